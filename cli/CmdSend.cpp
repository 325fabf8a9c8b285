#include <QTextStream>

#include "CliCommand.h"
#include "CliSupport.h"
#include "CommandEncoder.h"
#include "PrinterSend.h"
#include "Spooler.h"

namespace zozavud::cli {

namespace {

// One printer's outcome: a line on stdout when it worked, on stderr when not.
bool SendToOnePrinter(Spooler& spooler, const QString& printer, const QString& path, bool wait,
                      int timeoutMs) {
    QStringList problems;
    const SendOutcome sent = SendFileToNamedPrinter(
        spooler, printer, path, [&](const QString& message) { problems << message; });
    if (!sent.Sent) {
        Failure(printer + ": " + problems.join(" / ").replace('\n', ": "));
        return false;
    }
    if (wait) {
        const Spooler::JobOutcome end = spooler.FollowJob(printer, sent.JobId, timeoutMs);
        if (!end.Completed) {
            Failure(QStringLiteral("%1: job %2: %3").arg(printer).arg(sent.JobId).arg(end.Detail));
            return false;
        }
    }
    QTextStream(stdout) << printer << ": " << (wait ? "printed" : "sent") << ", job " << sent.JobId
                        << "\n";
    return true;
}

}  // namespace

int RunSend(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption image("image", "The current image, 1..19 (register and delete).", "N");
    const QCommandLineOption printer("printer", "A print queue; repeat for more printers.", "QUEUE");
    const QCommandLineOption wait("wait", "Follow each job until it is printed.");
    const QCommandLineOption timeout("timeout", "With --wait: seconds per job (default 60).", "S",
                                     "60");
    parser.addOptions({image, printer, wait, timeout});
    if (auto exit = ParseArguments(parser, arguments,
                                   "Sends one printer command to each printer as a raw job:\n"
                                   "register, register-all, delete or delete-all.\n"
                                   "The print server is the usual one (CUPS_SERVER, client.conf).",
                                   2, "KIND DOC.lcd"))
        return *exit;

    const QStringList positional = parser.positionalArguments();
    CommandKind kind{};
    int n = 1;
    if (auto exit = ParseKindAndImage(parser, image, kind, n)) return *exit;
    QStringList printers = parser.values(printer);
    printers.removeDuplicates();
    printers.removeAll(QString());
    if (printers.isEmpty()) return UsageError(parser, "--printer is required");
    bool timeoutOk = false;
    const double seconds = parser.value(timeout).toDouble(&timeoutOk);
    if (!timeoutOk || seconds <= 0 || seconds > 86400)
        return UsageError(parser, "--timeout must be a number of seconds");

    EditorState state;
    if (!LoadDocumentOrReport(positional.at(1), state)) return ExitFailure;
    state.SelectImage(n);

    std::unique_ptr<Spooler> spooler = CreateSystemSpooler();
    int failed = 0;
    const bool written = WithCommandInTemporaryFile(
        kind, *state.Set, state.CurrentImage, [](const QString& message) { Failure(message); },
        [&](const QString& path) {
            for (const QString& queue : printers)
                if (!SendToOnePrinter(*spooler, queue, path, parser.isSet(wait),
                                      static_cast<int>(seconds * 1000)))
                    ++failed;
        });
    if (!written) return ExitFailure;
    if (failed > 0) {
        Failure(QStringLiteral("%1 of %2 printer(s) failed").arg(failed).arg(printers.size()));
        return ExitFailure;
    }
    return ExitOk;
}

}  // namespace zozavud::cli
