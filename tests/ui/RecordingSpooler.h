#pragma once
#include <QByteArray>

#include "Spooler.h"

namespace zozavud::test {

// Takes jobs in memory.
class RecordingSpooler : public Spooler {
public:
    QStringList Printers{"shop-front", "back-office"};
    QString Opened, DocumentName;
    QByteArray Job;
    bool FailWrites = false;

    QStringList PrinterNames() override { return Printers; }
    QString DefaultPrinterName() override { return Printers.value(0); }
    bool LoadDeviceSettings(const QString&) override { return true; }
    bool LockDeviceSettings() override { return true; }
    void UnlockDeviceSettings() override {}
    bool OpenPrinter(const QString& name) override {
        Opened = name;
        return Printers.contains(name);
    }
    bool StartDocument(const QString& name) override {
        DocumentName = name;
        Job.clear();
        return true;
    }
    bool WriteData(const char* data, qint64 size) override {
        if (FailWrites) return false;
        Job.append(data, size);
        return true;
    }
    bool EndDocument() override { return true; }
    void ClosePrinter() override {}
    QString LastErrorDetail() const override { return FailWrites ? "the queue is full" : QString(); }
    int LastJobId() const override { return 1; }
};

}  // namespace zozavud::test
