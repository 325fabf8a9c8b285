#include "DocumentDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zozavud {

namespace {

std::optional<QString> RunLcdFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, QString& lastPath,
                                        const QString& proposedPath = QString()) {
    QFileDialog dialog(parent);
    // Qt's own dialog: the same look everywhere, and drivable on offscreen platforms.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("LCD Data (*.lcd)"), QStringLiteral("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("lcd"));
    dialog.setSizeGripEnabled(true);
    if (!proposedPath.isEmpty())
        dialog.selectFile(proposedPath);
    else if (!lastPath.isEmpty())
        dialog.selectFile(lastPath);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    lastPath = chosen.first();
    return lastPath;
}

}  // namespace

std::optional<QString> LcdFileDialogs::ChooseOpenPath(QWidget* parent) {
    return RunLcdFileDialog(parent, QFileDialog::AcceptOpen, lastOpenPath_);
}

std::optional<QString> LcdFileDialogs::ChooseSavePath(QWidget* parent, const QString& proposedPath) {
    return RunLcdFileDialog(parent, QFileDialog::AcceptSave, lastSavePath_, proposedPath);
}

bool AskSaveChangesBox(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("Save Changes ?"),
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Yes(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("No(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void ShowFileErrorBox(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

}  // namespace zozavud
