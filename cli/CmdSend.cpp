#include <QTextStream>

#include "CliCommand.h"
#include "CliSupport.h"
#include "CommandEncoder.h"
#include "OptionTables.h"
#include "OptionValues.h"
#include "PrinterFleet.h"
#include "PrinterSend.h"
#include "Spooler.h"
#include "TerminalText.h"
#include "UsageText.h"

namespace zozavud::cli {

namespace {

struct SendSettings {
    QStringList Printers;
    bool Wait = false;
    int JobTimeoutMs = 60000;
    int AnswerTimeoutMs = 30000;
};

// One job per printer, submitted in turn; the failures are told at once.
std::vector<FleetJob> SubmitAll(Spooler& spooler, const SendSettings& settings, const QString& path,
                                FleetTally& tally) {
    std::vector<FleetJob> submitted;
    for (const QString& printer : settings.Printers) {
        QStringList problems;
        const SendOutcome sent = SendFileToNamedPrinter(spooler, printer, path,
                                                        [&](const QString& message) { problems << message; });
        if (!sent.Sent) {
            Failure(printer + ": " + EscapeForTerminal(problems.join(" / ").replace('\n', ": ")));
            tally.Count(FleetEnd::Failed);
            continue;
        }
        if (!settings.Wait) {
            QTextStream(stdout) << printer << ": sent, job " << sent.JobId << Qt::endl;
            tally.Count(FleetEnd::Printed);
        }
        submitted.push_back({printer, sent.JobId});
    }
    return submitted;
}

void ReportEnd(const FleetOutcome& outcome, FleetTally& tally) {
    tally.Count(outcome.End);
    if (outcome.End == FleetEnd::Printed)
        QTextStream(stdout) << outcome.Job.Printer << ": printed, job " << outcome.Job.JobId << Qt::endl;
    else
        Failure(QStringLiteral("%1: job %2: %3")
                    .arg(outcome.Job.Printer)
                    .arg(outcome.Job.JobId)
                    .arg(EscapeForTerminal(outcome.Detail)));
}

struct SendOptions {
    QString Document;
    CommandKind Kind{};
    int Image = 1;
    SendSettings Settings;
};

std::optional<int> ParseSend(const QStringList& arguments, SendOptions& options) {
    QCommandLineParser parser;
    const QCommandLineOption image = ImageOption("register and delete");
    const QCommandLineOption printer("printer", "A print queue; repeat for more printers.", "QUEUE");
    const QCommandLineOption wait("wait", "Follow every job until it is printed.");
    const QCommandLineOption timeout("timeout", "With --wait: seconds for all jobs (default 60).", "S", "60");
    const QCommandLineOption answer("answer-timeout",
                                    "Seconds the print server may take to answer (default 30).", "S", "30");
    parser.addOptions({image, printer, wait, timeout, answer});
    if (auto exit = ParseArguments(parser, arguments,
                                   "Sends one printer command to each printer as a raw job:\n" +
                                       CommandKindWords().Choices() +
                                       ".\n"
                                       "The print server is the usual one (CUPS_SERVER, client.conf).\n"
                                       "With --wait all jobs are submitted first, then followed together.",
                                   2, "KIND DOC.lcd"))
        return *exit;
    if (auto exit = ParseKindAndImage(parser, image, options.Kind, options.Image)) return *exit;
    SendSettings& settings = options.Settings;
    settings.Printers = parser.values(printer);
    settings.Printers.removeDuplicates();
    if (settings.Printers.isEmpty()) return UsageError(parser, "--printer is required");
    for (const QString& name : settings.Printers)
        if (const QString problem = PrinterNameProblem(name); !problem.isEmpty())
            return UsageError(parser, QStringLiteral("--printer %1: %2").arg(Quoted(name), problem));
    settings.Wait = parser.isSet(wait);
    if (auto exit = ReadSecondsOption(parser, timeout, settings.JobTimeoutMs)) return *exit;
    if (auto exit = ReadSecondsOption(parser, answer, settings.AnswerTimeoutMs)) return *exit;
    options.Document = parser.positionalArguments().at(1);
    return std::nullopt;
}

int ExecuteSend(const SendOptions& options) {
    EditorState state;
    if (!LoadDocumentOrReport(options.Document, state)) return ExitFailure;
    state.SelectImage(options.Image);

    const SendSettings& settings = options.Settings;
    std::unique_ptr<Spooler> spooler = CreateSystemSpooler();
    spooler->SetAnswerTimeout(settings.AnswerTimeoutMs);
    FleetTally tally;
    const bool written = WithCommandInTemporaryFile(
        options.Kind, *state.Set, state.CurrentImage,
        [](const QString& message) { Failure(EscapeForTerminal(message)); },
        [&](const QString& path) {
            const std::vector<FleetJob> jobs = SubmitAll(*spooler, settings, path, tally);
            if (settings.Wait)
                FollowJobsTogether(*spooler, jobs, settings.JobTimeoutMs,
                                   [&](const FleetOutcome& outcome) { ReportEnd(outcome, tally); });
        });
    if (!written) return ExitFailure;
    QTextStream(stdout) << (settings.Wait
                                ? tally.Summary()
                                : QStringLiteral("%1 sent, %2 failed").arg(tally.Printed).arg(tally.Failed))
                        << Qt::endl;
    return tally.AllPrinted() ? ExitOk : ExitFailure;
}

}  // namespace

int RunSend(const QStringList& arguments) {
    SendOptions options;
    if (auto exit = ParseSend(arguments, options)) return *exit;
    return ExecuteSend(options);
}

}  // namespace zozavud::cli
