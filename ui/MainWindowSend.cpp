// Send To Printer: the command goes through a temporary file to a printer the user picks.

#include "MainWindowServices.h"
#include "PrinterSend.h"
#include "Spooler.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::SetSpooler(std::unique_ptr<Spooler> spooler) {
    sender_.reset();
    spooler_ = std::move(spooler);
}

Spooler& TFormZozAvudMain::SystemSpooler() {
    // Made on first use: a window that never sends never talks to the spooler.
    if (!spooler_) spooler_ = CreateSystemSpooler();
    return *spooler_;
}

// Shared by the four Send To Printer actions; the tag is the command kind.
void TFormZozAvudMain::SendCommand(CommandKind kind) {
    // One sender for the run, so the chosen printer stays current.
    if (!sender_)
        sender_ = std::make_unique<PrinterSender>(
            SystemSpooler(), services_->Printers(),
            [this](const QString& message) { services_->ShowMessage(message); },
            [this](const QString& message) { services_->ShowError(message); });
    sender_->SendCommand(kind, *state_.Set, state_.CurrentImage);
}

}  // namespace zozavud
