#include "CliCommand.h"
#include "CliSupport.h"
#include "ImageReset.h"
#include "LcdRenderer.h"
#include "RecordRender.h"

namespace zozavud::cli {

int RunNew(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption language("language", "Display language: en, ja, fr, de, es, it, zh.",
                                      "L");
    parser.addOption(language);
    if (auto exit = ParseArguments(parser, arguments, "Writes a fresh document.", 1, "DOC.lcd"))
        return *exit;

    std::optional<MessageLanguage> chosen;
    if (parser.isSet(language)) {
        chosen = ParseLanguageCode(parser.value(language));
        if (!chosen) return UsageError(parser, "unknown language " + parser.value(language));
    }
    const QString path = parser.positionalArguments().at(0);
    EditorState state;
    InitLanguage(state, chosen);
    LcdRenderer renderer;
    RebuildImageSet(state, renderer, [&] { RenderCurrentImage(state, renderer); });
    state.SelectImage(1);
    RenderCurrentImage(state, renderer);
    // A document being edited is replaced only between edits; any other file not at all.
    DocumentLock lock(path);
    if (!LockDocumentOrReport(lock, path) || !ExistingFileMayBeReplacedOrReport(path))
        return ExitFailure;
    return SaveDocumentOrReport(path, state) ? ExitOk : ExitFailure;
}

}  // namespace zozavud::cli
