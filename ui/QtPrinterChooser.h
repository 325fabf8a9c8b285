#pragma once
#include <functional>

#include "PrinterSend.h"

class QWidget;

namespace zozavud {

class Spooler;

// The printer-setup dialog: the spooler's printers, the current one preselected.
class QtPrinterChooser : public PrinterChooser {
public:
    QtPrinterChooser(QWidget* parent, std::function<Spooler&()> spooler)
        : parent_(parent), spooler_(std::move(spooler)) {}
    std::optional<QString> ChoosePrinter(const QString& current) override;

private:
    QWidget* parent_;
    std::function<Spooler&()> spooler_;
};

}  // namespace zozavud
