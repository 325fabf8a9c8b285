#pragma once
// The spooler over libcups. The print server is found the usual CUPS way (CUPS_SERVER,
// client.conf, the local scheduler); jobs are raw, so no filter touches the bytes.

#include <QByteArray>
#include <QElapsedTimer>

#include "Spooler.h"

typedef struct _http_s http_t;  // NOLINT: as the CUPS headers declare it

namespace zozavud {

class CupsSpooler final : public Spooler {
public:
    CupsSpooler() = default;
    ~CupsSpooler() override;
    CupsSpooler(const CupsSpooler&) = delete;
    CupsSpooler& operator=(const CupsSpooler&) = delete;

    QStringList PrinterNames() override;
    QString DefaultPrinterName() override;
    bool LoadDeviceSettings(const QString& deviceName) override;
    bool LockDeviceSettings() override;
    void UnlockDeviceSettings() override;
    bool OpenPrinter(const QString& deviceName) override;
    bool StartDocument(const QString& documentName) override;
    bool WriteData(const char* data, qint64 size) override;
    bool EndDocument() override;
    void ClosePrinter() override;
    QString LastErrorDetail() const override { return lastError_; }
    int LastJobId() const override { return jobId_; }
    void SetAnswerTimeout(int timeoutMs) override { answerTimeoutMs_ = timeoutMs; }
    void SetCancelFlag(const CancelFlag* flag) override { cancel_ = flag; }
    JobCheck CheckJob(const QString& deviceName, int jobId) override;
    void GiveUpJob(const QString& deviceName, int jobId) override;
    JobOutcome FollowJob(const QString& deviceName, int jobId, int timeoutMs) override;

private:
    // The connection to the print server, opened on first use; null if unreachable.
    http_t* Connection();
    void Disconnect();
    void TakeCupsError();
    bool ListPrinters(QStringList* names, QString* defaultName);
    void CancelJob(const QByteArray& name, int jobId);
    // Whether the server answered at all, and whether the queue is there.
    struct QueueAnswer {
        bool Answered = false;
        bool Exists = false;
    };
    QueueAnswer AskPrinter(http_t* http, const QByteArray& queue);
    int CreateJob(http_t* http, const QByteArray& title);  // the job id, 0 on failure

    bool Cancelled() const { return cancel_ && cancel_->load(); }

    // Called on each slice of silence: keeps waiting until the operation's answer time is
    // up or the caller cancelled.
    static int OnAnswerTimeout(http_t* http, void* self);

    http_t* http_ = nullptr;
    int answerTimeoutMs_ = 30000;
    QElapsedTimer answerClock_;  // since the operation began
    const CancelFlag* cancel_ = nullptr;
    bool serverSilent_ = false;  // it did not answer in time: not asked again
    bool cutShort_ = false;      // a request was given up on cancel: its connection is dropped
    QByteArray printer_;         // name of the open printer, empty when none
    int jobId_ = 0;
    bool documentOpen_ = false;
    bool writeFailed_ = false;
    QString lastError_;
};

}  // namespace zozavud
