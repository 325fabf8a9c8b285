// Send To Printer: the command goes through a temporary file to a printer the user picks.
// The spooler is called on a thread of its own behind a progress box, so that a print
// server that does not answer never holds the window.

#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include "MainWindowServices.h"
#include "PrinterSend.h"
#include "Spooler.h"
#include "SpoolerThread.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

namespace {

// Work that ends sooner shows no progress box at all.
constexpr int ProgressDelayMs = 300;

}  // namespace

void TFormZozAvudMain::SetSpooler(std::unique_ptr<Spooler> spooler) {
    sender_.reset();
    spoolerThread_ = std::make_unique<SpoolerThread>(std::move(spooler));
}

bool TFormZozAvudMain::WaitForSpooler(const QString& waitingFor, const SpoolerWork& work) {
    // Made on first use: a window that never sends never talks to the spooler.
    if (!spoolerThread_) spoolerThread_ = std::make_unique<SpoolerThread>(CreateSystemSpooler());
    QEventLoop loop;
    const auto ended = std::make_shared<bool>(false);
    const QPointer<QEventLoop> waiting(&loop);
    const std::shared_ptr<CancelFlag> cancel = spoolerThread_->Run(work, [ended, waiting] {
        *ended = true;
        if (waiting) waiting->quit();
    });
    // Until the box shows, input waits rather than reaching a window in the middle of a send.
    QTimer::singleShot(ProgressDelayMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!*ended) {
        QProgressDialog progress(waitingFor, "Cancel", 0, 0, this);
        progress.setObjectName("ProgressDialogSend");
        progress.setWindowTitle(windowTitle());
        progress.setWindowModality(Qt::WindowModal);
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        progress.show();
        loop.exec();
    }
    if (*ended) return true;
    cancel->store(true);
    return false;
}

// Shared by the four Send To Printer actions; the tag is the command kind.
void TFormZozAvudMain::SendCommand(CommandKind kind) {
    // One sender for the run, so the chosen printer stays current.
    if (!sender_)
        sender_ = std::make_unique<PrinterSender>(
            [this](const QString& waitingFor, const SpoolerWork& work) {
                return WaitForSpooler(waitingFor, work);
            },
            services_->Printers(), [this](const QString& message) { services_->ShowMessage(message); },
            [this](const QString& message) { services_->ShowError(message); });
    if (sender_->SendCommand(kind, *state_.Set, state_.CurrentImage))
        ShowDone("Sent to " + sender_->CurrentPrinter());
}

}  // namespace zozavud
