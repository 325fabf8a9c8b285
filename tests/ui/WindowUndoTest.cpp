#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <functional>

#include "CodePage.h"
#include "DocumentIo.h"
#include "EditHistory.h"
#include "ShortString.h"
#include "TestFiles.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

class WindowUndo : public test::Window {
protected:
    void SetUp() override {
        Window::SetUp();
        window->SetClock([this] { return now; });
        QImage picture(40, 25, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixel(3, 3, qRgb(0, 0, 0));
        bitmap = dir.filePath("dot.bmp");
        ASSERT_TRUE(picture.save(bitmap, "BMP"));
    }
    bool SameSet(const ImageSet& a) { return std::memcmp(&a, state().Set.get(), sizeof a) == 0; }
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

    int64_t now = 100000;
    QTemporaryDir dir;
    QString bitmap;
};

TEST_F(WindowUndo, EachEditIsUndoneAndRedoneAsAWholeStep) {
    FontSpec big;
    big.Name = "DejaVu Sans";
    big.Height = -20;
    struct Edit {
        const char* Name;
        int Image;       // shown before the edit
        int ShownAfter;  // shown after undo and redo
        std::function<void()> Run;
    };
    const std::vector<Edit> edits = {
        {"typing in line 1", 4, 4, [&] { Type(Find<QLineEdit>("EditText1"), "Abc"); }},
        {"typing in line 2", 1, 1, [&] { Type(Find<QLineEdit>("EditText2"), "xyz"); }},
        {"font chosen", 6, 6,
         [&] {
             services->FontAnswers = {big};
             Find<QPushButton>("ButtonSelectFont")->click();
         }},
        {"font for all images", 12, 12,
         [&] {
             services->FontAnswers = {big};
             Find<QAction>("ActionEditFontChangeAll")->trigger();
         }},
        {"offset typed", 2, 2, [&] { Find<QLineEdit>("EditVerticalPositionOffset")->setText("7"); }},
        {"offset reset", 7, 7,
         [&] {
             Find<QLineEdit>("EditVerticalPositionOffset")->setText("9");
             window->History().Seal();
             now += 5000;
             Find<QPushButton>("ButtonVerticalPositionOffsetReset")->click();
         }},
        {"bitmap loaded", 6, 6,
         [&] {
             services->BitmapAnswers = {bitmap};
             Find<QPushButton>("ButtonLoadBitmapFile")->click();
         }},
        {"bitmap dropped", 6, 6, [&] { window->ImportDroppedFile(bitmap, true); }},
        {"bitmap cleared", 8, 8,
         [&] {
             window->ImportDroppedFile(bitmap, false);
             window->History().Seal();
             now += 5000;
             Find<QAction>("ActionBitmapClearBitmapData")->trigger();
         }},
        {"texts cleared", 9, 9,
         [&] {
             Type(Find<QLineEdit>("EditText1"), "q");
             window->History().Seal();
             now += 5000;
             Find<QPushButton>("ButtonTextClear")->click();
         }},
        {"image cleared", 11, 11,
         [&] {
             Type(Find<QLineEdit>("EditText1"), "q");
             window->History().Seal();
             now += 5000;
             Find<QAction>("ActionEditClear")->trigger();
         }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.Name);
        Find<QAction>("ActionFileNew")->trigger();
        window->ShowImage(edit.Image);
        edit.Run();
        // The step under test is the last one; what came before it stays in the history.
        const std::size_t steps = window->History().UndoCount();
        ASSERT_GE(steps, 1u);
        const auto after = std::make_unique<ImageSet>(*state().Set);
        Find<QAction>("ActionEditUndo")->trigger();
        const auto before = std::make_unique<ImageSet>(*state().Set);
        EXPECT_FALSE(SameSet(*after));
        EXPECT_EQ(state().CurrentImage, edit.ShownAfter);
        EXPECT_TRUE(state().Modified);
        EXPECT_EQ(window->History().UndoCount(), steps - 1);
        EXPECT_TRUE(Find<QAction>("ActionEditRedo")->isEnabled());

        Find<QAction>("ActionEditImageLast")->trigger();
        state().Modified = false;
        Find<QAction>("ActionEditRedo")->trigger();
        EXPECT_TRUE(SameSet(*after));
        EXPECT_EQ(state().CurrentImage, edit.ShownAfter);
        EXPECT_TRUE(state().Modified);
        // The boxes show the restored record.
        EXPECT_EQ(Find<QLineEdit>("EditText1")->text(),
                  DecodeText(ShortStringBytes(current().Text1), current().FontCharset));
        Find<QAction>("ActionEditUndo")->trigger();
        EXPECT_TRUE(SameSet(*before));
    }
}

TEST_F(WindowUndo, TypingMergesPerBoxUntilAPauseOrLeavingTheBox) {
    Type(Find<QLineEdit>("EditText1"), "ab");
    EXPECT_EQ(window->History().UndoCount(), 1u);
    now += 900;
    Type(Find<QLineEdit>("EditText1"), "c");
    EXPECT_EQ(window->History().UndoCount(), 1u);
    now += 1500;  // a pause: a new step
    Type(Find<QLineEdit>("EditText1"), "d");
    EXPECT_EQ(window->History().UndoCount(), 2u);
    Type(Find<QLineEdit>("EditText2"), "x");  // another box: a new step
    Type(Find<QLineEdit>("EditText1"), "e");
    EXPECT_EQ(window->History().UndoCount(), 4u);
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(Find<QLineEdit>("EditText1"), &leave);  // leaving the box ends its run
    Type(Find<QLineEdit>("EditText1"), "f");
    EXPECT_EQ(window->History().UndoCount(), 5u);

    for (const char* expected : {"abcde", "abcd", "abcd", "abc", ""}) {
        Find<QAction>("ActionEditUndo")->trigger();
        EXPECT_EQ(ShortStringBytes(current().Text1), QByteArray(expected));
    }
    EXPECT_TRUE(current().Text2.Length == 0);
    EXPECT_FALSE(Find<QAction>("ActionEditUndo")->isEnabled());

    // A new edit after undoing forgets what could be redone.
    Type(Find<QLineEdit>("EditText1"), "z");
    EXPECT_FALSE(Find<QAction>("ActionEditRedo")->isEnabled());
}

TEST_F(WindowUndo, NewAndOpenStartTheHistoryAfreshButAFailedOpenKeepsIt) {
    const QString saved = dir.filePath("saved.lcd");
    ASSERT_TRUE(SaveImageSetFile(saved, *state().Set));
    Type(Find<QLineEdit>("EditText1"), "a");
    state().Modified = false;
    services->OpenAnswers = {dir.filePath("missing.lcd")};
    Find<QAction>("ActionFileOpen")->trigger();
    EXPECT_TRUE(Find<QAction>("ActionEditUndo")->isEnabled());

    services->OpenAnswers = {saved};
    Find<QAction>("ActionFileOpen")->trigger();
    EXPECT_FALSE(Find<QAction>("ActionEditUndo")->isEnabled());

    Type(Find<QLineEdit>("EditText1"), "b");
    state().Modified = false;
    Find<QAction>("ActionFileNew")->trigger();
    EXPECT_FALSE(Find<QAction>("ActionEditUndo")->isEnabled());
    EXPECT_FALSE(Find<QAction>("ActionEditRedo")->isEnabled());
}

TEST_F(WindowUndo, EditMenuKeepsItsItemsAndEndsWithUndoAndRedo) {
    QMenu* edit = nullptr;
    for (QAction* item : window->menuBar()->actions())
        if (item->text() == "&Edit") edit = item->menu();
    ASSERT_NE(edit, nullptr);
    const QList<QAction*> items = edit->actions();
    ASSERT_GE(items.size(), 10);
    EXPECT_EQ(items.at(0), Find<QAction>("ActionEditClear"));
    EXPECT_EQ(items.at(6), Find<QAction>("ActionEditFontChangeAll"));
    EXPECT_TRUE(items.at(7)->isSeparator());
    EXPECT_EQ(items.at(8)->text(), "&Undo");
    EXPECT_EQ(items.at(9)->text(), "&Redo");
    EXPECT_EQ(Find<QAction>("ActionEditUndo")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(Find<QAction>("ActionEditRedo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
}

TEST_F(WindowUndo, CtrlZInATextBoxUndoesTheDocumentNotTheBox) {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Type(Find<QLineEdit>("EditText1"), "ab");
    Type(Find<QLineEdit>("EditText2"), "x");
    Find<QLineEdit>("EditText1")->setFocus();
    // The box's own undo would take "ab" back; the document's takes back the last step.
    QTest::keyClick(Find<QLineEdit>("EditText1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ShortStringBytes(current().Text1), "ab");
    EXPECT_EQ(current().Text2.Length, 0);
    QTest::keyClick(Find<QLineEdit>("EditText1"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ShortStringBytes(current().Text2), "x");
    // Nothing left to undo: the key must not fall through to the box's own undo.
    Find<QAction>("ActionFileNew")->trigger();
    Type(Find<QLineEdit>("EditText1"), "cd");
    window->History().Clear();
    window->UpdateUndoActions();
    QTest::keyClick(Find<QLineEdit>("EditText1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Find<QLineEdit>("EditText1")->text(), "cd");
}

}  // namespace
}  // namespace zozavud
