#include "DocumentDialogs.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace zozavud {

namespace {

// Escape and the close box end the box with no button chosen. A plain box would take its
// No button for Escape and for the close box, and so drop the work at one key.
class SaveChangesBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel)) {
            reject();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    // Past QMessageBox on purpose: its own handler keeps a box without Escape open.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    void closeEvent(QCloseEvent* event) override { QDialog::closeEvent(event); }
};

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

SaveChangesAnswer AskSaveChangesBox(QWidget* parent) {
    SaveChangesBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("Save Changes ?"),
                       QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Yes(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("No(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes) return SaveChangesAnswer::Yes;
    if (box.clickedButton() == no) return SaveChangesAnswer::No;
    return SaveChangesAnswer::Cancel;
}

void ShowFileErrorBox(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

}  // namespace zozavud
