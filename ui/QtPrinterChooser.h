#pragma once
#include "PrinterSend.h"

class QWidget;

namespace zozavud {

// The printer-setup dialog: the spooler's printers, the current one preselected.
class QtPrinterChooser : public PrinterChooser {
public:
    explicit QtPrinterChooser(QWidget* parent) : parent_(parent) {}
    std::optional<QString> ChoosePrinter(const QString& current, const QStringList& printers) override;

private:
    QWidget* parent_;
};

}  // namespace zozavud
