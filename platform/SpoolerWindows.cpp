// The spooler over the Windows print spooler; built only on Windows.
#include <windows.h>
#include <winspool.h>
// A macro for the wide and narrow forms; here it is the name of our own method.
#undef OpenPrinter

#include <vector>

#include "Spooler.h"
#include "WindowsErrorText.h"

namespace zozavud {

namespace {

std::wstring Wide(const QString& text) { return text.toStdWString(); }

class WindowsSpooler final : public Spooler {
public:
    ~WindowsSpooler() override {
        if (documentOpen_) EndDocument();
        ClosePrinter();
        UnlockDeviceSettings();
        if (settings_) GlobalFree(settings_);
    }

    QStringList PrinterNames() override {
        DWORD needed = 0, count = 0;
        const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
        EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
        std::vector<BYTE> buffer(needed);
        QStringList names;
        if (!needed || !EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count))
            return names;
        const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
        for (DWORD i = 0; i < count; ++i) names << QString::fromWCharArray(info[i].pPrinterName);
        return names;
    }

    QString DefaultPrinterName() override {
        wchar_t name[256];
        DWORD size = 256;
        return GetDefaultPrinterW(name, &size) ? QString::fromWCharArray(name) : QString();
    }

    // The printer's own defaults, fetched afresh, kept locked while the job runs.
    bool LoadDeviceSettings(const QString& deviceName) override {
        if (settings_) GlobalFree(settings_);
        settings_ = nullptr;
        std::wstring name = Wide(deviceName);
        HANDLE printer = nullptr;
        if (!::OpenPrinterW(name.data(), &printer, nullptr)) return Fail();
        const LONG size = DocumentPropertiesW(nullptr, printer, name.data(), nullptr, nullptr, 0);
        if (size > 0 && (settings_ = GlobalAlloc(GHND, size))) {
            auto* mode = static_cast<DEVMODEW*>(GlobalLock(settings_));
            const bool ok = mode && DocumentPropertiesW(nullptr, printer, name.data(), mode, nullptr,
                                                        DM_OUT_BUFFER) == IDOK;
            GlobalUnlock(settings_);
            if (!ok) GlobalFree(settings_), settings_ = nullptr;
        }
        ::ClosePrinter(printer);
        return settings_ != nullptr || Fail();
    }
    bool LockDeviceSettings() override {
        locked_ = settings_ && GlobalLock(settings_);
        return locked_ || Fail();
    }
    void UnlockDeviceSettings() override {
        if (locked_) GlobalUnlock(settings_);
        locked_ = false;
    }

    bool OpenPrinter(const QString& deviceName) override {
        std::wstring name = Wide(deviceName);
        return ::OpenPrinterW(name.data(), &printer_, nullptr) || Fail();
    }
    bool StartDocument(const QString& documentName) override {
        std::wstring name = Wide(documentName);
        // RAW: the bytes are the printer's own commands, passed through untouched.
        wchar_t raw[] = L"RAW";
        DOC_INFO_1W info{name.data(), nullptr, raw};
        jobId_ = static_cast<int>(StartDocPrinterW(printer_, 1, reinterpret_cast<BYTE*>(&info)));
        documentOpen_ = jobId_ != 0;
        return documentOpen_ || Fail();
    }
    bool WriteData(const char* data, qint64 size) override {
        DWORD written = 0;
        return WritePrinter(printer_, const_cast<char*>(data), static_cast<DWORD>(size), &written) || Fail();
    }
    bool EndDocument() override {
        documentOpen_ = false;
        return EndDocPrinter(printer_) || Fail();
    }
    void ClosePrinter() override {
        if (printer_) ::ClosePrinter(printer_);
        printer_ = nullptr;
    }
    QString LastErrorDetail() const override { return lastError_; }
    int LastJobId() const override { return jobId_; }

private:
    bool Fail() {
        lastError_ = WindowsErrorText(GetLastError());
        return false;
    }

    HANDLE printer_ = nullptr;
    HGLOBAL settings_ = nullptr;
    bool locked_ = false;
    bool documentOpen_ = false;
    int jobId_ = 0;
    QString lastError_;
};

}  // namespace

std::unique_ptr<Spooler> CreateSystemSpooler() { return std::make_unique<WindowsSpooler>(); }

// The Windows spooler looks up any other name, a server's share (\\server\printer) included.
QString PrinterNameProblem(const QString& deviceName) {
    return deviceName.isEmpty() ? QStringLiteral("a printer's name is never empty") : QString();
}

}  // namespace zozavud
