#pragma once
// A spooler that takes jobs in memory and records every call, with failures to order.

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <vector>

#include "Spooler.h"

namespace zozavud::test {

class RecordingSpooler : public Spooler {
public:
    QStringList Printers{"shop-front", "back-office"};
    QString DefaultPrinter;   // empty: the first of Printers
    QString FailAt;           // the call that fails: "load", "lock", "open", "start" or "end"
    bool FailWrites = false;  // every write fails
    int FailWriteNumber = 0;  // only this write fails; 1 = the first
    // What LastErrorDetail says when set; else the detail of a failed last call.
    QString ErrorDetail;
    std::function<void()> OnWrite;

    QStringList Calls;               // "open shop-front", "write 41", "close"...
    std::vector<QByteArray> Writes;  // every write asked for, failed ones too
    QString Opened, DocumentName;    // of the last open and start
    QByteArray Job;                  // what the last job took

    QStringList PrinterNames() override {
        failure_.clear();
        return Printers;
    }
    QString DefaultPrinterName() override {
        return DefaultPrinter.isEmpty() ? Printers.value(0) : DefaultPrinter;
    }
    bool LoadDeviceSettings(const QString& name) override { return Record("load " + name, "load"); }
    bool LockDeviceSettings() override { return Record("lock", "lock"); }
    void UnlockDeviceSettings() override { Calls << "unlock"; }
    bool OpenPrinter(const QString& name) override {
        Opened = name;
        return Record("open " + name, "open") && Printers.contains(name);
    }
    bool StartDocument(const QString& name) override {
        DocumentName = name;
        Job.clear();
        return Record("start " + name, "start");
    }
    bool WriteData(const char* data, qint64 size) override;
    bool EndDocument() override { return Record("end", "end"); }
    void ClosePrinter() override { Calls << "close"; }
    QString LastErrorDetail() const override { return ErrorDetail.isEmpty() ? failure_ : ErrorDetail; }
    int LastJobId() const override { return 7; }

private:
    // Records the call; false when `step` is the one told to fail.
    bool Record(const QString& call, const QString& step) {
        Calls << call;
        const bool failed = step == FailAt;
        failure_ = failed ? QStringLiteral("the spooler refused to %1").arg(step) : QString();
        return !failed;
    }
    QString failure_;
};

inline bool RecordingSpooler::WriteData(const char* data, qint64 size) {
    Calls << QStringLiteral("write %1").arg(size);
    Writes.emplace_back(data, size);
    if (OnWrite) OnWrite();
    const bool failed = FailWrites || static_cast<int>(Writes.size()) == FailWriteNumber;
    failure_ = failed ? QStringLiteral("the queue is full") : QString();
    if (!failed) Job.append(data, size);
    return !failed;
}

}  // namespace zozavud::test
