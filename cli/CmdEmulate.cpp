#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>

#include "CliCommand.h"
#include "CliSupport.h"
#include "ImageReset.h"
#include "JobListener.h"
#include "LcdRenderer.h"
#include "ListenEndpoint.h"
#include "MemoryDocument.h"
#include "OptionTables.h"
#include "OptionValues.h"
#include "PrinterMemory.h"
#include "RecordRender.h"
#include "SingleInstance.h"
#include "TerminalText.h"
#include "TerminationSignals.h"

namespace zozavud::cli {

namespace {

// Held for the whole run, beside the document lock and named from the same real path,
// so that a second emulator on the memory finds it taken under any of its names. The
// lock of an emulator that died is taken over.
bool HoldMemoryOrReport(const QString& path, std::unique_ptr<SingleInstance>& hold) {
    const QFileInfo documentLock(DocumentLock(path).LockPath());
    const QString folder = documentLock.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        Failure(QStringLiteral("cannot write %1: the folder %2 does not exist")
                    .arg(EscapeForTerminal(path), EscapeForTerminal(folder)));
        return false;
    }
    hold = std::make_unique<SingleInstance>(documentLock.completeBaseName() + ".emulator", folder);
    if (hold->Failed()) Failure(hold->ErrorText());
    if (hold->Result() == SingleInstance::Outcome::Held)
        Failure(QStringLiteral("another emulator is using %1 (it holds %2)")
                    .arg(EscapeForTerminal(path), EscapeForTerminal(hold->LockPath())));
    return hold->IsFirst();
}

class Emulator {
public:
    Emulator(const QString& memoryPath, EditorState& state)
        : state_(state),
          memory_(
              memoryPath, *state.Set, [this](ImageSet&, int n) { MakeFresh(n); },
              [this](ImageSet&) {
                  RebuildImageSet(state_, renderer_, [&] { RenderCurrentImage(state_, renderer_); });
              }),
          out_(stdout) {}

    MemoryDocument& Memory() { return memory_; }

    void Handle(const ReceivedJob& job) {
        ++jobs_;
        const JobVerdict verdict = memory_.Take(job);
        const QString applied =
            verdict.Note.isEmpty() ? QStringLiteral("applied") : "applied (" + verdict.Note + ')';
        out_ << QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) << ' ' << job.Peer << ' '
             << verdict.Kind << ' ' << verdict.Slots << ' '
             << (verdict.Applied ? applied : "refused: " + verdict.Problem) << Qt::endl;
    }

    int Jobs() const { return jobs_; }

private:
    void MakeFresh(int n) {
        state_.SelectImage(n);
        ResetImageRecord(state_.CurrentRecord(), state_.Language, renderer_);
        RenderCurrentImage(state_, renderer_);
    }

    EditorState& state_;
    LcdRenderer renderer_;
    MemoryDocument memory_;
    QTextStream out_;
    int jobs_ = 0;
};

}  // namespace

namespace {

struct EmulateOptions {
    QString Memory;
    Endpoint Listen;
    ListenerLimits Limits;
    std::optional<MessageLanguage> Language;
};

struct LimitOptions {
    QCommandLineOption Bytes{"max-job-bytes", "Largest job taken (default 1048576).", "N", "1048576"};
    QCommandLineOption Idle{"idle-timeout", "Seconds a connection may stay silent (default 10).", "S", "10"};
    QCommandLineOption Job{"job-timeout", "Seconds a job may take in all (default 60).", "S", "60"};
    QCommandLineOption Connections{"max-connections", "Connections served at once (default 8).", "N", "8"};
};

// Numbers within their bounds, or the usage message.
std::optional<int> ReadLimits(const QCommandLineParser& parser, const LimitOptions& options,
                              ListenerLimits& limits) {
    bool ok = false;
    limits.MaxJobBytes = parser.value(options.Bytes).toLongLong(&ok);
    if (!ok || limits.MaxJobBytes < 1 || limits.MaxJobBytes > (qint64{64} << 20))
        return UsageError(parser, "--max-job-bytes must be 1..67108864");
    if (auto exit = ReadSecondsOption(parser, options.Idle, limits.IdleTimeoutMs)) return *exit;
    if (auto exit = ReadSecondsOption(parser, options.Job, limits.JobTimeoutMs)) return *exit;
    limits.MaxConnections = parser.value(options.Connections).toInt(&ok);
    if (!ok || limits.MaxConnections < 1 || limits.MaxConnections > 1024)
        return UsageError(parser, "--max-connections must be 1..1024");
    return std::nullopt;
}

std::optional<int> ParseEmulate(const QStringList& arguments, EmulateOptions& options) {
    QCommandLineParser parser;
    const QCommandLineOption listen("listen",
                                    "Address and port (default 127.0.0.1:9100; 0 for "
                                    "any free port).",
                                    "HOST:PORT", "127.0.0.1:9100");
    const QCommandLineOption memory("memory", "The printer's picture memory, a document.", "FILE.lcd");
    const LimitOptions limits;
    const QCommandLineOption language(
        "language", "Language of fresh images: " + LanguageWords().Listed() + " (default from the locale).",
        "L");
    parser.addOptions({listen, memory, limits.Bytes, limits.Idle, limits.Job, limits.Connections, language});
    if (auto exit = ParseArguments(parser, arguments,
                                   "Stands in for a printer's raw port: each connection is one\n"
                                   "job, applied to the picture memory when it is one whole, valid\n"
                                   "command. One line per job on stdout. Ends on SIGINT or SIGTERM.",
                                   0, ""))
        return *exit;
    const std::optional<Endpoint> endpoint = ParseEndpoint(parser.value(listen));
    if (!endpoint)
        return UsageError(parser, "--listen must be HOST:PORT, got " + Quoted(parser.value(listen)));
    options.Listen = *endpoint;
    if (!parser.isSet(memory) || parser.value(memory).isEmpty())
        return UsageError(parser, "--memory is required");
    options.Memory = parser.value(memory);
    if (auto exit = ReadLimits(parser, limits, options.Limits)) return *exit;
    if (auto exit = ParseLanguageOption(parser, language, options.Language)) return *exit;
    if (const QString exposure = ExposureWarning(options.Listen); !exposure.isEmpty()) Warning(exposure);
    return std::nullopt;
}

int ExecuteEmulate(const EmulateOptions& options) {
    const QString& path = options.Memory;
    std::unique_ptr<SingleInstance> hold;
    if (!HoldMemoryOrReport(path, hold)) return ExitFailure;
    EditorState state;
    InitLanguage(state, options.Language);
    Emulator emulator(path, state);
    bool fresh = false;
    if (const QString problem = emulator.Memory().Read(&fresh); !problem.isEmpty()) return Failure(problem);

    JobListener listener(options.Limits, [&](const ReceivedJob& job) { emulator.Handle(job); });
    QString error;
    if (!listener.Listen(options.Listen.Address, options.Listen.Port, &error))
        return Failure(QStringLiteral("cannot listen on %1: %2")
                           .arg(EndpointText(options.Listen.Address, options.Listen.Port), error));
    if (fresh) {
        DocumentLock lock(path);
        if (!LockDocumentOrReport(lock, path)) return ExitFailure;
        if (!QFileInfo::exists(path) && !SaveDocumentOrReport(path, state)) return ExitFailure;
    }
    TerminationWatcher stop;
    QObject::connect(&stop, &TerminationWatcher::Requested, &listener, [&] {
        listener.Stop();
        QCoreApplication::quit();
    });
    QTextStream(stdout) << "listening on " << EndpointText(options.Listen.Address, listener.Port())
                        << ", memory " << path << Qt::endl;
    QCoreApplication::exec();
    QTextStream(stdout) << "stopped after " << emulator.Jobs() << " job(s)" << Qt::endl;
    return ExitOk;
}

}  // namespace

int RunEmulate(const QStringList& arguments) {
    EmulateOptions options;
    if (auto exit = ParseEmulate(arguments, options)) return *exit;
    return ExecuteEmulate(options);
}

}  // namespace zozavud::cli
