#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>
#include <cstring>

#include "CliCommand.h"
#include "CliSupport.h"
#include "DocumentIo.h"
#include "ImageReset.h"
#include "JobListener.h"
#include "LcdRenderer.h"
#include "ListenEndpoint.h"
#include "OptionTables.h"
#include "OptionValues.h"
#include "PrinterMemory.h"
#include "RecordRender.h"
#include "TerminalText.h"
#include "TerminationSignals.h"

namespace zozavud::cli {

namespace {

// The memory is a document: a missing one starts fresh (written once the port is ours),
// anything that is not a document is refused rather than overwritten.
bool OpenMemory(const QString& path, EditorState& state, LcdRenderer& renderer, bool& fresh) {
    const QFileInfo info(path);
    fresh = !info.exists();
    if (fresh) {
        RebuildImageSet(state, renderer, [&] { RenderCurrentImage(state, renderer); });
        return true;
    }
    if (!info.isFile() || info.size() != static_cast<qint64>(ImageSetSize)) {
        Failure(
            QStringLiteral("%1 is not a document: %2")
                .arg(EscapeForTerminal(path),
                     info.isFile()
                         ? QStringLiteral("%1 bytes, a document has %2").arg(info.size()).arg(ImageSetSize)
                         : QStringLiteral("not a regular file")));
        return false;
    }
    if (!LoadDocumentOrReport(path, state)) return false;
    if (std::memcmp(state.Set->Signature, "LCD1", 4) != 0) {
        Failure(EscapeForTerminal(path) + " is not a document: it does not begin with \"LCD1\"");
        return false;
    }
    return true;
}

class Emulator {
public:
    Emulator(const QString& memoryPath, EditorState& state)
        : path_(memoryPath), state_(state), out_(stdout) {}

    void Handle(const ReceivedJob& job) {
        ++jobs_;
        JobVerdict verdict;
        if (job.Ending != ReceivedJob::End::Complete) {
            verdict.Problem = job.Detail;
        } else {
            const auto before = std::make_unique<ImageSet>(*state_.Set);
            verdict = ApplyJob(job.Bytes, *state_.Set, [this](ImageSet&, int n) { MakeFresh(n); });
            QString error;
            if (verdict.Applied && !SaveImageSetFile(path_, *state_.Set, &error)) {
                *state_.Set = *before;  // memory and document stay the same
                verdict.Applied = false;
                verdict.Problem = QStringLiteral("not stored, cannot write %1: %2").arg(path_, error);
            }
        }
        out_ << QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) << ' ' << job.Peer << ' '
             << verdict.Kind << ' ' << verdict.Slots << ' '
             << (verdict.Applied ? QStringLiteral("applied") : "refused: " + verdict.Problem) << Qt::endl;
    }

    int Jobs() const { return jobs_; }

private:
    void MakeFresh(int n) {
        state_.SelectImage(n);
        ResetImageRecord(state_.CurrentRecord(), state_.Language, renderer_);
        RenderCurrentImage(state_, renderer_);
    }

    QString path_;
    EditorState& state_;
    LcdRenderer renderer_;
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

// Numbers within their bounds, or the usage message.
std::optional<int> ReadLimits(const QCommandLineParser& parser, const QCommandLineOption& bytes,
                              const QCommandLineOption& idle, const QCommandLineOption& connections,
                              ListenerLimits& limits) {
    bool ok = false;
    limits.MaxJobBytes = parser.value(bytes).toLongLong(&ok);
    if (!ok || limits.MaxJobBytes < 1 || limits.MaxJobBytes > (qint64{64} << 20))
        return UsageError(parser, "--max-job-bytes must be 1..67108864");
    if (auto exit = ReadSecondsOption(parser, idle, limits.IdleTimeoutMs)) return *exit;
    limits.MaxConnections = parser.value(connections).toInt(&ok);
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
    const QCommandLineOption bytes("max-job-bytes", "Largest job taken (default 1048576).", "N", "1048576");
    const QCommandLineOption idle("idle-timeout", "Seconds a connection may stay silent (default 10).", "S",
                                  "10");
    const QCommandLineOption connections("max-connections", "Connections served at once (default 8).", "N",
                                         "8");
    const QCommandLineOption language(
        "language", "Language of fresh images: " + LanguageWords().Listed() + " (default from the locale).",
        "L");
    parser.addOptions({listen, memory, bytes, idle, connections, language});
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
    if (auto exit = ReadLimits(parser, bytes, idle, connections, options.Limits)) return *exit;
    if (auto exit = ParseLanguageOption(parser, language, options.Language)) return *exit;
    if (const QString exposure = ExposureWarning(options.Listen); !exposure.isEmpty()) Warning(exposure);
    return std::nullopt;
}

int ExecuteEmulate(const EmulateOptions& options) {
    EditorState state;
    InitLanguage(state, options.Language);
    LcdRenderer renderer;
    const QString& path = options.Memory;
    bool fresh = false;
    if (!OpenMemory(path, state, renderer, fresh)) return ExitFailure;

    Emulator emulator(path, state);
    JobListener listener(options.Limits, [&](const ReceivedJob& job) { emulator.Handle(job); });
    QString error;
    if (!listener.Listen(options.Listen.Address, options.Listen.Port, &error))
        return Failure(QStringLiteral("cannot listen on %1: %2")
                           .arg(EndpointText(options.Listen.Address, options.Listen.Port), error));
    if (fresh && !SaveDocumentOrReport(path, state)) return ExitFailure;
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
