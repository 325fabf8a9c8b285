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

// Reads and writes in pieces; false when a write failed (shown) or a read failed (shown).
bool CopyFileToSpooler(Spooler& spooler, QFile& file, const ShowMessage& show) {
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
        if (!spooler.WriteData(buffer.data(), got)) {
            show(Message("WritePrinter Error", spooler.LastErrorDetail()));
            return false;
        }
    }
}

}  // namespace

SendOutcome SendFileToNamedPrinter(Spooler& spooler, const QString& deviceName, const QString& path,
                                   const ShowMessage& show) {
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
        if (!spooler.StartDocument(QString::fromLatin1(PrintJobName))) {
            show(Message("StartDocPrinter Error", spooler.LastErrorDetail()));
        } else {
            bool copied = false;
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                show(QStringLiteral("Temporary File Open Error (%1)").arg(path));
            } else {
                copied = CopyFileToSpooler(spooler, file, show);
                file.close();
            }
            const bool ended = spooler.EndDocument();
            // A spooler that refuses the finished job must not pass for success.
            if (copied && !ended) show(Message("EndDocPrinter Error", spooler.LastErrorDetail()));
            outcome.Sent = copied && ended;
            outcome.JobId = spooler.LastJobId();
        }
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
    : spooler_(spooler),
      chooser_(chooser),
      showMessage_(std::move(showMessage)),
      showFileError_(showFileError ? std::move(showFileError) : showMessage_) {}

void PrinterSender::SendCommand(CommandKind kind, const ImageSet& set, int currentImage) {
    WithCommandInTemporaryFile(kind, set, currentImage, showFileError_,
                               [this](const QString& path) { SendFileToPrinter(path); });
}

void PrinterSender::SendFileToPrinter(const QString& path) {
    // An empty printer dialog helps nobody: say why there is nothing to choose.
    if (spooler_.PrinterNames().isEmpty()) {
        showMessage_(Message(NoPrinterMessage, spooler_.LastErrorDetail()));
        return;
    }
    const std::optional<QString> chosen = chooser_.ChoosePrinter(CurrentPrinter());
    if (!chosen) return;
    current_ = *chosen;
    SendFileToNamedPrinter(spooler_, current_, path, showMessage_);
}

QString PrinterSender::CurrentPrinter() const {
    return current_.isEmpty() ? spooler_.DefaultPrinterName() : current_;
}

}  // namespace zozavud
