#include "CliMain.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

#include "CliCommand.h"
#include "StandardStreams.h"
#include "TemporaryFolder.h"
#include "TerminalText.h"
#include "UsageText.h"

namespace zozavud::cli {

namespace {

// Qt's own notes about the session (a missing runtime folder and the like) are noise
// for a script; our messages go to stderr ourselves.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg) QTextStream(stderr) << message << "\n";
}

void PrintUsage(QTextStream& out) {
    out << "Usage: zozavud-cli <command> [options]\n\nCommands:\n";
    for (const CliCommand& command : Commands())
        out << "  " << QString::fromLatin1(command.Name).leftJustified(14) << command.Summary << "\n";
    out << "\nRun 'zozavud-cli <command> --help' for the options of a command,\n"
           "'zozavud-cli --version' for the version values of the tool.\n";
}

int RunCommandLine(int argc, char** argv, const QStringList& arguments) {
    QTextStream err(stderr);
    if (arguments.size() < 2) {
        PrintUsage(err);
        return ExitUsage;
    }
    if (arguments[1] == "--help" || arguments[1] == "-h" || arguments[1] == "help") {
        QTextStream out(stdout);
        PrintUsage(out);
        return ExitOk;
    }
    if (arguments[1] == "--version" || arguments[1] == "-V") {
        const QCoreApplication app(argc, argv);
        return PrintVersionValues(QCoreApplication::applicationFilePath());
    }
    for (const CliCommand& command : Commands()) {
        if (arguments[1] != command.Name) continue;
        std::unique_ptr<QCoreApplication> app;
        if (command.NeedsFonts) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        QStringList own = arguments.mid(2);
        own.prepend(QStringLiteral("zozavud-cli ") + command.Name);
        return command.Run(own);
    }
    QStringList names;
    for (const CliCommand& command : Commands()) names << QLatin1String(command.Name);
    err << "zozavud-cli: unknown command " << Quoted(arguments[1]) << "; use " << names.join(", ") << "\n"
        << HelpHint("zozavud-cli") << "\n";
    return ExitUsage;
}

}  // namespace

int Main(int argc, char** argv) {
    ForgetMissingTemporaryFolder();
    StandardStreams::Prepare();
    const QStringList arguments = StandardStreams::Arguments(argc, argv);

    qInstallMessageHandler(QuietQtMessages);
    const int status = RunCommandLine(argc, argv, arguments);
    // Every stream on stdout is gone by now: what it wrote either arrived or failed.
    QString error;
    switch (StandardStreams::FinishOutput(&error)) {
        case StandardStreams::Outcome::Written:
            return status;
        case StandardStreams::Outcome::ReaderGone:
            return ExitFailure;  // quietly, as in a pipe
        case StandardStreams::Outcome::Failed:
            break;
    }
    QTextStream(stderr) << "zozavud-cli: cannot write to standard output"
                        << (error.isEmpty() ? QString() : ": " + error) << "\n";
    return ExitFailure;
}

}  // namespace zozavud::cli
