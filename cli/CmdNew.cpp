#include "CliCommand.h"
#include "CliSupport.h"
#include "ImageEditing.h"
#include "OptionTables.h"

namespace zozavud::cli {

namespace {

struct NewOptions {
    QString Path;
    std::optional<MessageLanguage> Language;
    bool Force = false;
};

std::optional<int> ParseNew(const QStringList& arguments, NewOptions& options) {
    QCommandLineParser parser;
    const QCommandLineOption language("language", "Display language: " + LanguageWords().Listed() + ".", "L");
    const QCommandLineOption force("force", "Replace an existing document.");
    parser.addOptions({language, force});
    if (auto exit = ParseArguments(parser, arguments, "Writes a fresh document.", 1, "DOC.lcd")) return *exit;
    if (auto exit = ParseLanguageOption(parser, language, options.Language)) return *exit;
    options.Path = parser.positionalArguments().at(0);
    options.Force = parser.isSet(force);
    return std::nullopt;
}

int ExecuteNew(const NewOptions& options) {
    ImageEditing editing;
    EditorState& state = editing.State();
    InitLanguage(state, options.Language);
    editing.ResetSet();
    state.SelectImage(1);
    editing.Render();
    // A document is replaced only when asked, and only between edits; any other file not at all.
    DocumentLock lock(options.Path);
    if (!LockDocumentOrReport(lock, options.Path) ||
        !ExistingFileMayBeReplacedOrReport(options.Path, options.Force))
        return ExitFailure;
    return SaveDocumentOrReport(options.Path, state) ? ExitOk : ExitFailure;
}

}  // namespace

int RunNew(const QStringList& arguments) {
    NewOptions options;
    if (auto exit = ParseNew(arguments, options)) return *exit;
    return ExecuteNew(options);
}

}  // namespace zozavud::cli
