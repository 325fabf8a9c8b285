#include <QTextStream>

#include "CliCommand.h"
#include "CliSupport.h"
#include "CodePage.h"
#include "FitChecker.h"
#include "OptionTables.h"
#include "ShortString.h"
#include "TerminalText.h"

namespace zozavud::cli {

namespace {

// Not a failure: the document was read and checked, and has something to look at.
constexpr int ExitWarnings = 3;

// The stored texts (and font name) holding bytes that are no character of their code
// page: they read back as the page's default character (or a private-use one), which the
// renderer draws as a stand-in.
QStringList LostCharacterWarnings(const ImageRecord& record) {
    const std::pair<const char*, const ShortString*> fields[] = {
        {"text line 1", &record.Text1}, {"text line 2", &record.Text2}, {"font name", &record.FontName}};
    QStringList warnings;
    for (const auto& [what, field] : fields) {
        const QStringList lost = UndefinedByteCharacters(ShortStringBytes(*field), record.FontCharset);
        if (lost.isEmpty()) continue;
        warnings << QStringLiteral(
                        "%1 holds bytes that are no character of code page %2 "
                        "(charset %3): they read back as %4")
                        .arg(QLatin1String(what), QLatin1String(CodePageForCharset(record.FontCharset)))
                        .arg(record.FontCharset)
                        .arg(NameCharacters(lost));
    }
    return warnings;
}

struct CheckOptions {
    QString Path;
    std::optional<MessageLanguage> Language;
};

std::optional<int> ParseCheck(const QStringList& arguments, CheckOptions& options) {
    QCommandLineParser parser;
    const QCommandLineOption language(
        "language",
        "Language of the default messages of images without text: " + LanguageWords().Listed() + ".", "L");
    parser.addOption(language);
    if (auto exit = ParseArguments(parser, arguments,
                                   "Warns, per image, about what does not reach the printer's display:\n"
                                   "glyphs outside the 25 rows or off the canvas, dots beyond column\n"
                                   "128 in an image that does not scroll, texts cut at 255 bytes,\n"
                                   "characters the image's code page cannot hold and fonts the\n"
                                   "system replaced. Notes, which count as no warning, tell of\n"
                                   "losses in default messages and of a default message drawn in\n"
                                   "its language's face because the image's face has no glyphs\n"
                                   "for it. Exit 0 when clean, 3 with warnings,\n"
                                   "1 when the document cannot be read.",
                                   1, "DOC.lcd"))
        return *exit;
    if (auto exit = ParseLanguageOption(parser, language, options.Language)) return *exit;
    options.Path = parser.positionalArguments().at(0);
    return std::nullopt;
}

// Prints the warnings and notes of one image; gives the number of warnings.
int ReportImage(QTextStream& out, FitChecker& checker, const EditorState& state, int n) {
    const ImageRecord& record = state.Set->Record(n);
    const QString image = QStringLiteral("image %1: ").arg(n, 2, 10, QLatin1Char('0'));
    int warnings = 0;
    for (const FitWarning& warning : checker.Check(record, n, state.Language.EffectiveLanguage())) {
        // Messages quote the document's font names, which may hold any character.
        out << image << (warning.Note ? "note: " : "") << EscapeForTerminal(warning.Message) << "\n";
        if (!warning.Note) ++warnings;
    }
    for (const QString& lost : LostCharacterWarnings(record)) {
        out << image << lost << "\n";
        ++warnings;
    }
    return warnings;
}

int ExecuteCheck(const CheckOptions& options) {
    EditorState state;
    InitLanguage(state, options.Language);
    if (!LoadDocumentOrReport(options.Path, state)) return ExitFailure;

    FitChecker checker;
    QTextStream out(stdout);
    int warnings = 0, images = 0;
    for (int n = 1; n <= ImageCount; ++n) {
        const int found = ReportImage(out, checker, state, n);
        warnings += found;
        if (found > 0) ++images;
    }
    if (warnings == 0) {
        out << options.Path << ": no warnings\n";
        return ExitOk;
    }
    out << options.Path << ": " << warnings << " warning(s) in " << images << " image(s)\n";
    return ExitWarnings;
}

}  // namespace

int RunCheck(const QStringList& arguments) {
    CheckOptions options;
    if (auto exit = ParseCheck(arguments, options)) return *exit;
    return ExecuteCheck(options);
}

}  // namespace zozavud::cli
