#include "QtMainWindowServices.h"

#include <QFileDialog>
#include <QMessageBox>

#include "FontChooserDialog.h"
#include "QtPrinterChooser.h"

namespace zozavud {

namespace {

// SaveDialogCommandFile: kept for the run; the name-keeping rules decide what it proposes.
class QtCommandFileChooser : public CommandFileChooser {
public:
    explicit QtCommandFileChooser(QWidget* parent) : parent_(parent) {}

    std::optional<QString> ChooseSavePath(const QString& fileName) override {
        QFileDialog dialog(parent_);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({"Printer Data (*.prn)", "All Files (*)"});
        dialog.setDefaultSuffix(CommandFileDefaultSuffix);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (!fileName.isEmpty()) dialog.selectFile(fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().first();
    }

private:
    QWidget* parent_;
};

}  // namespace

QtMainWindowServices::QtMainWindowServices(QWidget* parent)
    : parent_(parent),
      commandFiles_(std::make_unique<QtCommandFileChooser>(parent)),
      printers_(std::make_unique<QtPrinterChooser>(parent)) {}

QtMainWindowServices::~QtMainWindowServices() = default;

std::optional<QString> QtMainWindowServices::ChooseOpenPath() { return documents_.ChooseOpenPath(parent_); }

std::optional<QString> QtMainWindowServices::ChooseSavePath(const QString& proposedPath) {
    return documents_.ChooseSavePath(parent_, proposedPath);
}

SaveChangesAnswer QtMainWindowServices::ConfirmSaveChanges() { return AskSaveChangesBox(parent_); }

void QtMainWindowServices::ShowError(const QString& message) { ShowFileErrorBox(parent_, message); }

void QtMainWindowServices::ShowMessage(const QString& message) {
    QMessageBox box(QMessageBox::NoIcon, "Error", message, QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<QString> QtMainWindowServices::ChooseBitmapFile() {
    QFileDialog dialog(parent_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({"Bitmap File (*.bmp)", "All Files (*)"});
    if (!lastBitmapPath_.isEmpty()) dialog.selectFile(lastBitmapPath_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    lastBitmapPath_ = dialog.selectedFiles().first();
    return lastBitmapPath_;
}

std::optional<FontSpec> QtMainWindowServices::ChooseFont(const FontSpec& current) {
    return ChooseFontWithPreview(parent_, current, fontPreview_);
}

}  // namespace zozavud
