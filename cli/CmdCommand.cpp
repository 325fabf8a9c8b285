#include "AtomicFile.h"
#include "CliCommand.h"
#include "CliSupport.h"
#include "CommandEncoder.h"
#include "CommandFile.h"
#include "OptionTables.h"
#include "TerminalText.h"
#include "UsageText.h"

namespace zozavud::cli {

namespace {

struct CommandOptions {
    QString Document, Output;  // Output "-" is stdout
    CommandKind Kind{};
    int Image = 1;
};

std::optional<int> ParseCommand(const QStringList& arguments, CommandOptions& options) {
    QCommandLineParser parser;
    const QCommandLineOption image = ImageOption("register and delete");
    const QCommandLineOption output({"o", "output"}, "Command file to write, or - for stdout.", "OUT.prn");
    parser.addOptions({image, output});
    if (auto exit = ParseArguments(
            parser, arguments,
            "Writes one printer command, the bytes the editor writes:\n" + CommandKindWords().Choices() + ".",
            2, "KIND DOC.lcd"))
        return *exit;
    if (auto exit = ParseKindAndImage(parser, image, options.Kind, options.Image)) return *exit;
    if (!parser.isSet(output)) return UsageError(parser, "-o is required");
    options.Document = parser.positionalArguments().at(1);
    options.Output = parser.value(output);
    return std::nullopt;
}

int ExecuteCommand(const CommandOptions& options) {
    EditorState state;
    if (!LoadDocumentOrReport(options.Document, state)) return ExitFailure;
    // As the editor does when it shows the image: its ImageNo is written anew.
    state.SelectImage(options.Image);

    const QString& path = options.Output;
    if (path == QLatin1String("-")) {
        // On failure the tool's end tells why, or stays quiet when the reader hung up.
        return WriteToStandardOutput(BuildCommand(options.Kind, *state.Set, state.CurrentImage))
                   ? ExitOk
                   : ExitFailure;
    }
    // The command file is renamed over the target, which must not replace a device or FIFO.
    if (const QString problem = NonRegularTargetProblem(path); !problem.isEmpty())
        return Failure(QStringLiteral("cannot write %1: %2").arg(EscapeForTerminal(path), problem));
    bool reported = false;
    const bool written =
        WriteCommandFile(options.Kind, *state.Set, state.CurrentImage, path, [&](const QString& message) {
            Failure(EscapeForTerminal(message));
            reported = true;
        });
    if (!written && !reported) return Failure("cannot write " + EscapeForTerminal(path));
    return written ? ExitOk : ExitFailure;
}

}  // namespace

int RunCommand(const QStringList& arguments) {
    CommandOptions options;
    if (auto exit = ParseCommand(arguments, options)) return *exit;
    return ExecuteCommand(options);
}

}  // namespace zozavud::cli
