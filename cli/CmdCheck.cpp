#include <QTextStream>

#include "CliCommand.h"
#include "CliSupport.h"
#include "CodePage.h"
#include "FitChecker.h"
#include "ShortString.h"
#include "TerminalText.h"

namespace zozavud::cli {

namespace {

// Not a failure: the document was read and checked, and has something to look at.
constexpr int ExitWarnings = 3;

// The stored texts (and font name) that read back as characters their code page cannot
// hold: bytes that are no character there, which the renderer draws as a stand-in and
// which a new edit of the text would store as "?".
QStringList LostCharacterWarnings(const ImageRecord& record) {
    const std::pair<const char*, const ShortString*> fields[] = {
        {"text line 1", &record.Text1}, {"text line 2", &record.Text2}, {"font name", &record.FontName}};
    QStringList warnings;
    for (const auto& [what, field] : fields) {
        const QString text = DecodeText(ShortStringBytes(*field), record.FontCharset);
        const QStringList lost = LostCharacters(text, record.FontCharset);
        if (lost.isEmpty()) continue;
        warnings << QStringLiteral("%1 holds bytes that are no character of code page %2 "
                                   "(charset %3): they read back as %4")
                        .arg(QLatin1String(what),
                             QLatin1String(CodePageForCharset(record.FontCharset)))
                        .arg(record.FontCharset)
                        .arg(NameCharacters(lost));
    }
    return warnings;
}

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
                           "128 in an image that does not scroll, texts cut at 255 bytes,\n"
                           "characters the image's code page cannot hold and fonts the\n"
                           "system replaced. Exit 0 when clean, 3 with warnings,\n"
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
        const QString image = QStringLiteral("image %1: ").arg(n, 2, 10, QLatin1Char('0'));
        for (const FitWarning& warning : found) {
            // Messages quote the document's font names, which may hold any character.
            out << image << (warning.Note ? "note: " : "") << EscapeForTerminal(warning.Message)
                << "\n";
            if (warning.Note) continue;
            ++warnings;
            if (!counted) ++images;
            counted = true;
        }
        for (const QString& lost : LostCharacterWarnings(state.Set->Record(n))) {
            out << image << lost << "\n";
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
