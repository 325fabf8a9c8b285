#include "QtPrinterChooser.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace zozavud {

std::optional<QString> QtPrinterChooser::ChoosePrinter(const QString& current, const QStringList& names) {
    QDialog dialog(parent_);
    dialog.setWindowTitle("Print Setup");
    auto* layout = new QFormLayout(&dialog);
    auto* printers = new QComboBox(&dialog);
    printers->setObjectName("ComboBoxPrinter");
    printers->addItems(names);
    if (const int index = printers->findText(current); index >= 0) printers->setCurrentIndex(index);
    printers->setMinimumWidth(240);
    layout->addRow("&Printer:", printers);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || printers->currentText().isEmpty()) return std::nullopt;
    return printers->currentText();
}

}  // namespace zozavud
