#pragma once
// The print spooler as the send operation needs it: pick a printer by name, hand it one
// raw job, write its bytes. One job at a time per object; calls block until done. An
// object is used by one thread at a time, which need not be the thread that made it.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <memory>

namespace zozavud {

class Spooler;

// Turns true, from any thread, when the caller of some spooler work stopped waiting for it.
using CancelFlag = std::atomic<bool>;
// Spooler calls made as one piece of work, wherever they run.
using SpoolerWork = std::function<void(Spooler& spooler, const CancelFlag& cancelled)>;

class Spooler {
public:
    virtual ~Spooler() = default;

    // For the printer chooser. An empty list means no printer is installed.
    virtual QStringList PrinterNames() = 0;
    // Empty when there is no default printer.
    virtual QString DefaultPrinterName() = 0;

    // The printer's default device settings, loaded afresh; false when the printer has
    // none. Spoolers without per-printer settings blocks always succeed.
    virtual bool LoadDeviceSettings(const QString& deviceName) = 0;
    virtual bool LockDeviceSettings() = 0;
    virtual void UnlockDeviceSettings() = 0;

    virtual bool OpenPrinter(const QString& deviceName) = 0;
    // One job with this document name; the bytes go to the printer unchanged.
    virtual bool StartDocument(const QString& documentName) = 0;
    virtual bool WriteData(const char* data, qint64 size) = 0;
    // Completes the job; false when the spooler did not take it. After a failed write the
    // job is given up instead, where the spooler would otherwise print a broken stream.
    virtual bool EndDocument() = 0;
    virtual void ClosePrinter() = 0;

    // Why the last operation failed, in the spooler's words; may be empty.
    virtual QString LastErrorDetail() const = 0;
    // The spooler's number for the last job started, 0 if none.
    virtual int LastJobId() const = 0;

    // How long the print server may take to answer one request before the operation
    // fails saying so. A server that did not answer once is not asked again.
    virtual void SetAnswerTimeout(int timeoutMs) { (void)timeoutMs; }

    // While a flag is set (null clears it), a call waiting for the print server gives up
    // soon after the flag turns true, and an open job is then given up rather than
    // completed. Spoolers whose calls cannot be cut short ignore it.
    virtual void SetCancelFlag(const CancelFlag* flag) { (void)flag; }

    // One look at a job, without waiting: ended (printed or not, and why) or still on its
    // way. A job that cannot finish (stopped queue, held job) is cancelled and reported
    // ended, so a failure always means nothing more will be printed.
    struct JobCheck {
        bool Ended = false;
        bool Completed = false;
        QString Detail;
    };
    virtual JobCheck CheckJob(const QString& deviceName, int jobId) {
        (void)deviceName, (void)jobId;
        return {true, false, QStringLiteral("following a job is not supported by this spooler")};
    }
    // Gives up a job that is still on its way.
    virtual void GiveUpJob(const QString& deviceName, int jobId) { (void)deviceName, (void)jobId; }

    // Follows a job until it is done or fails: completed, or the reason it will not be.
    struct JobOutcome {
        bool Completed = false;
        QString Detail;
    };
    virtual JobOutcome FollowJob(const QString& deviceName, int jobId, int timeoutMs) {
        (void)deviceName, (void)jobId, (void)timeoutMs;
        return {false, QStringLiteral("following a job is not supported by this spooler")};
    }
};

// Why a followed job counts as not answered: it did not end in time and was cancelled.
inline QString NotFinishedDetail(int timeoutMs, const QString& printerMessage) {
    QString detail = QStringLiteral("the job did not finish in %1 s, the printer may be unreachable")
                         .arg(timeoutMs / 1000.0);
    if (!printerMessage.isEmpty()) detail += ": " + printerMessage;
    return detail + " (job cancelled)";
}

// The platform's spooler: libcups on Unix, the Windows spooler on Windows.
std::unique_ptr<Spooler> CreateSystemSpooler();

// Why no printer of the platform's spooler can have this name, for a message; empty when
// one can. Names typed by the user are checked with it before anything is sent.
QString PrinterNameProblem(const QString& deviceName);

}  // namespace zozavud
