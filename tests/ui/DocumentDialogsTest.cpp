// The Qt boxes and file dialogs of the document commands, driven on the offscreen platform.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "DocumentDialogs.h"
#include "TestFiles.h"

namespace zozavud::test {
namespace {

// Runs handle on the next modal widget once it is up.
void WhenModal(const std::function<void(QWidget*)>& handle) {
    QTimer::singleShot(0, [handle] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return WhenModal(handle);
        handle(modal);
    });
}

void PressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

QStringList ButtonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons()) texts << button->text();
    texts.sort();
    return texts;
}

struct SeenBox {
    QString Caption, Text;
    QStringList Buttons;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

// For the next message box: records into seen how it looks, then answers it.
void DriveBox(SeenBox& seen, const std::function<void(QMessageBox*)>& answer) {
    WhenModal([&seen, answer](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seen.Caption = box->windowTitle();
        seen.Text = box->text();
        seen.Icon = box->icon();
        seen.Buttons = ButtonTexts(box);
        answer(box);
    });
}

TEST(SaveChangesBox, HasExactlyYesAndNoAndOnlyTheirButtonsDecide) {
    struct Case {
        const char* name;
        std::function<void(QMessageBox*)> answer;
        SaveChangesAnswer expected;
    };
    const auto click = [](const char* text) {
        return [text](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == text) b->click();
        };
    };
    const Case cases[] = {
        {"Yes", click("Yes(&Y)"), SaveChangesAnswer::Yes},
        {"No", click("No(&N)"), SaveChangesAnswer::No},
        {"Escape", [](QMessageBox* box) { PressKey(box, Qt::Key_Escape); }, SaveChangesAnswer::Cancel},
        {"Closed", [](QMessageBox* box) { box->close(); }, SaveChangesAnswer::Cancel},
        {"Enter", [](QMessageBox* box) { PressKey(box, Qt::Key_Return); }, SaveChangesAnswer::Yes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeenBox seen;
        DriveBox(seen, c.answer);
        EXPECT_EQ(AskSaveChangesBox(nullptr), c.expected);
        EXPECT_EQ(seen.Caption, "Confirm");
        EXPECT_EQ(seen.Text, "Save Changes ?");
        EXPECT_EQ(seen.Icon, QMessageBox::Question);
        EXPECT_EQ(seen.Buttons, QStringList({"No(&N)", "Yes(&Y)"}));
    }
}

TEST(FileErrorBox, IsAnErrorWithOnlyOk) {
    SeenBox seen;
    DriveBox(seen, [](QMessageBox* box) { box->buttons().first()->click(); });
    ShowFileErrorBox(nullptr, "Can not File open. (/x/y.lcd)");
    EXPECT_EQ(seen.Caption, "Error");
    EXPECT_EQ(seen.Text, "Can not File open. (/x/y.lcd)");
    EXPECT_EQ(seen.Icon, QMessageBox::Critical);
    EXPECT_EQ(seen.Buttons, QStringList{"OK"});
}

struct SeenDialog {
    QStringList Filters;
    QString Suffix;
    QFileDialog::AcceptMode Mode = QFileDialog::AcceptOpen;
    QString StartName;  // the file name the dialog starts with
};

// For the next dialog: records into seen how it starts, then types name and accepts
// (or cancels when name is empty).
void Drive(SeenDialog& seen, const QString& name) {
    WhenModal([&seen, name](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        seen.Filters = dialog->nameFilters();
        seen.Suffix = dialog->defaultSuffix();
        seen.Mode = dialog->acceptMode();
        const QStringList selected = dialog->selectedFiles();
        seen.StartName = selected.isEmpty() ? QString() : QFileInfo(selected.first()).fileName();
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(name);
        static_cast<QDialog*>(dialog)->accept();  // runs the file dialog's own accept
    });
}

TEST(LcdFileDialogs, FilterAddSuffixAndRememberTheirOwnLastName) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteWholeFile(dir.filePath("shop.lcd"), "x"));
    LcdFileDialogs dialogs;
    const QStringList filters{"LCD Data (*.lcd)", "All Files (*)"};

    SeenDialog seen;
    Drive(seen, dir.filePath("shop.lcd"));
    EXPECT_EQ(dialogs.ChooseOpenPath(nullptr), dir.filePath("shop.lcd"));
    EXPECT_EQ(seen.Filters, filters);
    EXPECT_EQ(seen.Suffix, "lcd");
    EXPECT_EQ(seen.Mode, QFileDialog::AcceptOpen);

    Drive(seen, dir.filePath("fresh"));
    EXPECT_EQ(dialogs.ChooseSavePath(nullptr), dir.filePath("fresh.lcd"));
    EXPECT_EQ(seen.Filters, filters);
    EXPECT_EQ(seen.Mode, QFileDialog::AcceptSave);
    EXPECT_NE(seen.StartName, "shop.lcd");  // not the open dialog's name

    Drive(seen, {});
    EXPECT_EQ(dialogs.ChooseOpenPath(nullptr), std::nullopt);
    EXPECT_EQ(seen.StartName, "shop.lcd");
    Drive(seen, {});
    EXPECT_EQ(dialogs.ChooseSavePath(nullptr), std::nullopt);
    EXPECT_EQ(seen.StartName, "fresh.lcd");
    // A proposed name (the file a foreign document came from) wins over the last one.
    Drive(seen, {});
    EXPECT_EQ(dialogs.ChooseSavePath(nullptr, dir.filePath("shop.lcd")), std::nullopt);
    EXPECT_EQ(seen.StartName, "shop.lcd");
}

}  // namespace
}  // namespace zozavud::test
