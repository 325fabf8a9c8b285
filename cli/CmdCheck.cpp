#include <QTextStream>

#include "CliCommand.h"
#include "CliSupport.h"
#include "FitChecker.h"

namespace zozavud::cli {

namespace {

// Not a failure: the document was read and checked, and has something to look at.
constexpr int ExitWarnings = 3;

}  // namespace

int RunCheck(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption language(
        "language",
        "Language of the default messages of images without text: en, ja, fr, de, es, it, zh.",
        "L");
    parser.addOption(language);
    if (auto exit =
            ParseArguments(parser, arguments,
                           "Warns, per image, about what does not reach the printer's display:\n"
                           "glyphs outside the 25 rows or off the canvas, dots beyond column\n"
                           "128 in an image that does not scroll, texts cut at 255 bytes and\n"
                           "fonts the system replaced. Exit 0 when clean, 3 with warnings,\n"
                           "1 when the document cannot be read.",
                           1, "DOC.lcd"))
        return *exit;
    std::optional<MessageLanguage> chosen;
    if (parser.isSet(language)) {
        chosen = ParseLanguageCode(parser.value(language));
        if (!chosen) return UsageError(parser, "unknown language " + parser.value(language));
    }

    const QString path = parser.positionalArguments().at(0);
    EditorState state;
    InitLanguage(state, chosen);
    if (!LoadDocumentOrReport(path, state)) return ExitFailure;

    FitChecker checker;
    QTextStream out(stdout);
    int warnings = 0, images = 0;
    for (int n = 1; n <= ImageCount; ++n) {
        const auto found =
            checker.Check(state.Set->Record(n), n, state.Language.EffectiveLanguage());
        bool counted = false;
        for (const FitWarning& warning : found) {
            out << QStringLiteral("image %1: ").arg(n, 2, 10, QLatin1Char('0'))
                << (warning.Note ? "note: " : "") << warning.Message << "\n";
            if (warning.Note) continue;
            ++warnings;
            if (!counted) ++images;
            counted = true;
        }
    }
    if (warnings == 0) {
        out << path << ": no warnings\n";
        return ExitOk;
    }
    out << path << ": " << warnings << " warning(s) in " << images << " image(s)\n";
    return ExitWarnings;
}

}  // namespace zozavud::cli
