#include "PrinterSend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <vector>

#include "CommandFile.h"
#include "TerminationSignals.h"

namespace zozavud {

namespace {

QString Message(const char* firstLine, const QString& detail = {}) {
    QString text = QString::fromLatin1(firstLine);
    if (!detail.isEmpty()) text += '\n' + detail;
    return text;
}

bool Stopped(const CancelFlag* cancelled) { return cancelled && cancelled->load(); }

// Reads and writes in pieces; false when a write failed (shown), a read failed (shown) or
// the work was cancelled.
bool CopyFileToSpooler(Spooler& spooler, QFile& file, const ShowMessage& show, const CancelFlag* cancelled) {
    std::vector<char> buffer(SendPieceSize);
    for (;;) {
        const qint64 got = file.read(buffer.data(), SendPieceSize);
        if (got < 0) {
            // Never hand the spooler a failed read as a byte count.
            show(QStringLiteral("Temporary File Read Error (%1)\n%2")
                     .arg(file.fileName(), file.errorString()));
            return false;
        }
        if (got == 0) return true;
        if (Stopped(cancelled)) return false;
        if (!spooler.WriteData(buffer.data(), got)) {
            show(Message("WritePrinter Error", spooler.LastErrorDetail()));
            return false;
        }
    }
}

// One job on the open printer: start, the file's bytes, end.
SendOutcome SendDocument(Spooler& spooler, const QString& deviceName, const QString& path,
                         const ShowMessage& show, const CancelFlag* cancelled) {
    SendOutcome outcome;
    if (!spooler.StartDocument(QString::fromLatin1(PrintJobName))) {
        show(Message("StartDocPrinter Error", spooler.LastErrorDetail()));
        return outcome;
    }
    bool copied = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        show(QStringLiteral("Temporary File Open Error (%1)").arg(path));
    } else {
        copied = CopyFileToSpooler(spooler, file, show, cancelled);
        file.close();
    }
    const bool ended = spooler.EndDocument();
    // A spooler that refuses the finished job must not pass for success.
    if (copied && !ended) show(Message("EndDocPrinter Error", spooler.LastErrorDetail()));
    outcome.Sent = copied && ended;
    outcome.JobId = spooler.LastJobId();
    // Nobody waits for this job any more: a spooler that took it anyway gives it up.
    if (ended && Stopped(cancelled) && outcome.JobId > 0) spooler.GiveUpJob(deviceName, outcome.JobId);
    return outcome;
}

}  // namespace

SendOutcome SendFileToNamedPrinter(Spooler& spooler, const QString& deviceName, const QString& path,
                                   const ShowMessage& show, const CancelFlag* cancelled) {
    SendOutcome outcome;
    if (!spooler.LoadDeviceSettings(deviceName)) {
        show(Message("GetPrinter error", spooler.LastErrorDetail()));
        return outcome;
    }
    if (!spooler.LockDeviceSettings()) {
        show(Message("GlobalLock error", spooler.LastErrorDetail()));
        return outcome;
    }
    if (!spooler.OpenPrinter(deviceName)) {
        show(Message("OpenPrinter Error", spooler.LastErrorDetail()));
    } else {
        if (!Stopped(cancelled)) outcome = SendDocument(spooler, deviceName, path, show, cancelled);
        spooler.ClosePrinter();
    }
    spooler.UnlockDeviceSettings();
    return outcome;
}

bool WithCommandInTemporaryFile(CommandKind kind, const ImageSet& set, int currentImage,
                                const ShowMessage& showError,
                                const std::function<void(const QString& path)>& use) {
    // Unique, created exclusively and owner-only. Removed by name at the end, which also
    // covers the file that the atomic writer renames over it.
    QTemporaryFile temporary(QDir::tempPath() + '/' + TemporaryFilePrefix + "XXXXXX");
    if (!temporary.open()) {
        showError(CommandFileOpenError(temporary.fileTemplate()));
        return false;
    }
    const QString path = temporary.fileName();
    temporary.setAutoRemove(false);
    temporary.close();
    struct RemoveAtEnd {
        QString path;
        ~RemoveAtEnd() { QFile::remove(path); }
    } removeAtEnd{path};
    // Ctrl+C or a kill while the spooler blocks must not leave the file behind either.
    const RemoveFileOnTermination removeOnSignal(path);
    if (!WriteCommandFile(kind, set, currentImage, path, showError)) return false;
    use(path);
    return true;
}

PrinterSender::PrinterSender(Spooler& spooler, PrinterChooser& chooser, ShowMessage showMessage,
                             ShowMessage showFileError)
    : PrinterSender(
          [&spooler](const QString&, const SpoolerWork& work) {
              const CancelFlag never{false};
              work(spooler, never);
              return true;
          },
          chooser, std::move(showMessage), std::move(showFileError)) {}

PrinterSender::PrinterSender(SpoolerRunner run, PrinterChooser& chooser, ShowMessage showMessage,
                             ShowMessage showFileError)
    : run_(std::move(run)),
      chooser_(chooser),
      showMessage_(std::move(showMessage)),
      showFileError_(showFileError ? std::move(showFileError) : showMessage_) {}

bool PrinterSender::SendCommand(CommandKind kind, const ImageSet& set, int currentImage) {
    bool sent = false;
    WithCommandInTemporaryFile(kind, set, currentImage, showFileError_,
                               [this, &sent](const QString& path) { sent = SendFileToPrinter(path); });
    return sent;
}

bool PrinterSender::SendFileToPrinter(const QString& path) {
    // Shared with the work, which may outlive this call when the user stops waiting.
    struct Found {
        QStringList Names;
        QString Detail, Default;
    };
    const auto found = std::make_shared<Found>();
    const bool knowCurrent = !current_.isEmpty();
    if (!run_(QStringLiteral("Looking for printers..."),
              [found, knowCurrent](Spooler& spooler, const CancelFlag&) {
                  found->Names = spooler.PrinterNames();
                  found->Detail = spooler.LastErrorDetail();
                  if (!knowCurrent && !found->Names.isEmpty()) found->Default = spooler.DefaultPrinterName();
              }))
        return false;
    // An empty printer dialog helps nobody: say why there is nothing to choose, and what to do.
    if (found->Names.isEmpty()) {
        QString detail = found->Detail;
        if (!detail.isEmpty()) detail += '\n';
        showFileError_(Message(NoPrinterMessage, detail + QString::fromLatin1(AddRawQueueHint)));
        return false;
    }
    const std::optional<QString> chosen =
        chooser_.ChoosePrinter(knowCurrent ? current_ : found->Default, found->Names);
    if (!chosen) return false;
    current_ = *chosen;
    const auto messages = std::make_shared<QStringList>();
    const auto sent = std::make_shared<bool>(false);
    const QString printer = current_;
    const bool waited =
        run_(QStringLiteral("Sending to \"%1\"...").arg(printer),
             [messages, sent, printer, path](Spooler& spooler, const CancelFlag& cancelled) {
                 *sent = SendFileToNamedPrinter(
                             spooler, printer, path,
                             [messages](const QString& message) { messages->append(message); }, &cancelled)
                             .Sent;
             });
    if (!waited) {
        showMessage_(QString::fromLatin1(SendCancelledMessage));
        return false;
    }
    for (const QString& message : *messages) showMessage_(message);
    return *sent;
}

QString PrinterSender::CurrentPrinter() const {
    if (!current_.isEmpty()) return current_;
    const auto name = std::make_shared<QString>();
    if (!run_(QStringLiteral("Looking for printers..."),
              [name](Spooler& spooler, const CancelFlag&) { *name = spooler.DefaultPrinterName(); }))
        return {};
    return *name;
}

}  // namespace zozavud
