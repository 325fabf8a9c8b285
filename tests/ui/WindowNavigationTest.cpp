#include <QCloseEvent>
#include <QMenu>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

TEST_F(Window, StartsAsDesigned) {
    EXPECT_EQ(window->windowTitle(), "ORVANEX QD-N800 Series LCD Editor");
    EXPECT_EQ(window->centralWidget()->height() + window->ToolBar1->height(), 443);
    EXPECT_EQ(window->width(), 730);
    EXPECT_EQ(f().ImageLCDExpand->geometry(), QRect(36, 16, 256, 50));
    EXPECT_EQ(state().CurrentImage, 1);
    EXPECT_FALSE(state().Modified);
    EXPECT_FALSE(window->MenuLanguage->menuAction()->isVisible());
    for (QAction* action : window->ActionLanguage) EXPECT_FALSE(action->isChecked());
    EXPECT_TRUE(f().CheckBoxBlink->isHidden());
}

TEST_F(Window, StepStaysWithinOneToNineteenWithoutWrapping) {
    EXPECT_FALSE(ToolButtonEnabled(window->ActionEditImageFirst));
    EXPECT_FALSE(ToolButtonEnabled(window->ActionEditImagePrev));
    EXPECT_TRUE(ToolButtonEnabled(window->ActionEditImageNext));
    EXPECT_TRUE(ToolButtonEnabled(window->ActionEditImageLast));
    EXPECT_TRUE(window->ActionEditImagePrev->isEnabled());  // the menu item stays usable

    window->ActionEditImagePrev->trigger();
    EXPECT_EQ(state().CurrentImage, 1);
    window->ActionEditImageNext->trigger();
    EXPECT_EQ(state().CurrentImage, 2);
    for (QAction* button : {window->ActionEditImageFirst, window->ActionEditImagePrev,
                            window->ActionEditImageNext, window->ActionEditImageLast})
        EXPECT_TRUE(ToolButtonEnabled(button));

    window->ActionEditImageLast->trigger();
    EXPECT_EQ(state().CurrentImage, 19);
    window->ActionEditImageNext->trigger();
    EXPECT_EQ(state().CurrentImage, 19);
    EXPECT_FALSE(ToolButtonEnabled(window->ActionEditImageNext));
    EXPECT_FALSE(ToolButtonEnabled(window->ActionEditImageLast));
    EXPECT_TRUE(ToolButtonEnabled(window->ActionEditImagePrev));

    window->ActionEditImage[6]->trigger();
    EXPECT_EQ(state().CurrentImage, 7);
    state().Modified = false;
    window->ActionEditImage[6]->trigger();
    EXPECT_EQ(state().CurrentImage, 7);
    EXPECT_FALSE(state().Modified);
    window->ActionEditImageFirst->trigger();
    EXPECT_EQ(state().CurrentImage, 1);
}

TEST_F(Window, ActionCaptionsAndHints) {
    EXPECT_EQ(window->ActionEditImage[0]->text(), "Image No.&1");
    EXPECT_EQ(window->ActionEditImage[9]->text(), "Image No.1&0");
    EXPECT_EQ(window->ActionEditImage[18]->text(), "Image No.1&9");
    EXPECT_EQ(window->ActionEditImage[18]->toolTip(), "Image No.19");
    EXPECT_EQ(window->ActionFileSaveAs->toolTip(), "SaveAs");
    EXPECT_EQ(window->ActionHelpHelp->toolTip(), "help");
    EXPECT_EQ(window->ActionSendToPrinterDeleteAllImages->toolTip(), "Delete Image All For Printer");
    // Undo and Redo are the only actions with keys of their own.
    for (QAction* action : window->findChildren<QAction*>())
        if (action != window->ActionEditUndo && action != window->ActionEditRedo)
            EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
}

TEST_F(Window, LanguageOverrideAndMenu) {
    Start(0x0410);  // Italian
    EXPECT_EQ(f().StaticTextPrinterMessage1->text(), "ORVANEX");
    window->ShowImage(2);
    EXPECT_EQ(f().StaticTextPrinterMessage1->text(), "In linea");
    f().CheckBoxLanguageEnglish->setChecked(true);
    EXPECT_EQ(f().StaticTextPrinterMessage1->text(), "Online");
    EXPECT_TRUE(window->ActionLanguage[0]->isChecked());
    EXPECT_EQ(state().Language.SelectedLanguage, MessageLanguage::Italian);
    f().CheckBoxLanguageEnglish->setChecked(false);
    EXPECT_EQ(f().StaticTextPrinterMessage1->text(), "In linea");
    EXPECT_TRUE(window->ActionLanguage[5]->isChecked());
    EXPECT_EQ(state().Language.MessageFontName, "Tahoma");

    f().CheckBoxLanguageEnglish->setChecked(true);
    window->ActionLanguage[3]->trigger();  // German
    EXPECT_FALSE(f().CheckBoxLanguageEnglish->isChecked());
    EXPECT_EQ(f().StaticTextPrinterMessage1->text(), "Online");
    window->ShowImage(3);
    EXPECT_EQ(f().StaticTextPrinterMessage1->text(), QString::fromUtf8("Taste drücken"));
    int checked = 0;
    for (QAction* action : window->ActionLanguage) checked += action->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);

    window->ActionLanguage[1]->trigger();  // Japanese: new records take its font
    EXPECT_EQ(state().Language.MessageCharset, 128);
    window->ActionEditClear->trigger();
    EXPECT_EQ(current().FontCharset, 128);
}

TEST_F(Window, AnimationRunsInThePreviewOnly) {
    window->ShowImage(10);  // its default second line is wider than the screen
    ASSERT_TRUE(window->AnimationRunning());
    PixelLayer rest;
    std::copy(std::begin(current().RenderedData), std::end(current().RenderedData), rest);
    for (int tick = 1; tick <= 31; ++tick) window->AnimationTick();
    EXPECT_EQ(state().ScrollPosition, 248);
    EXPECT_TRUE(std::equal(std::begin(rest), std::end(rest), std::begin(current().RenderedData)));
    window->AnimationTick();
    EXPECT_EQ(state().ScrollPosition, 0);

    // Another scrolling image keeps the timer and its counters.
    window->AnimationTick();
    window->ShowImage(11);
    EXPECT_TRUE(window->AnimationRunning());
    EXPECT_EQ(state().ScrollPosition, 8);

    window->ShowImage(1);
    EXPECT_FALSE(window->AnimationRunning());
    EXPECT_EQ(state().ScrollPosition, 0);
    EXPECT_FALSE(state().BlinkPhase);
}

TEST_F(Window, BlinkIsBlankAfterOneTickAndLitAfterTwo) {
    state().Set->Record(2).Blink = 1;
    window->ShowImage(2);
    ASSERT_TRUE(window->AnimationRunning());
    const QImage lit = f().ImageLCDExpand->pixmap().toImage();
    window->AnimationTick();
    EXPECT_TRUE(state().BlinkPhase);
    EXPECT_NE(f().ImageLCDExpand->pixmap().toImage(), lit);
    window->AnimationTick();
    EXPECT_EQ(f().ImageLCDExpand->pixmap().toImage(), lit);
}

TEST_F(Window, ClosePromptsAndKeepsTheWorkWhenNothingWasSaved) {
    window->ShowImage(10);
    state().Modified = true;
    services->ConfirmAnswers = {true};  // Yes, then the save dialog is cancelled
    QCloseEvent refused;
    QCoreApplication::sendEvent(window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_TRUE(state().Modified);
    EXPECT_EQ(services->Log.mid(services->Log.size() - 2), (QStringList{"confirm", "save"}));
    EXPECT_TRUE(window->AnimationRunning());  // the window stays, and so does its animation

    services->ConfirmAnswers = {false};
    QCloseEvent accepted;
    QCoreApplication::sendEvent(window.get(), &accepted);
    EXPECT_TRUE(accepted.isAccepted());
    EXPECT_FALSE(state().Modified);
    EXPECT_FALSE(window->AnimationRunning());  // stopped, at rest, before the prompt
    EXPECT_EQ(state().ScrollPosition, 0);
}

TEST_F(Window, NewAfterSaveAsShowsTheBareTitle) {
    QTemporaryDir dir;
    const QString path = dir.filePath("shop.lcd");
    services->SaveAnswers = {path};
    window->ActionFileSaveAs->trigger();
    EXPECT_EQ(window->windowTitle(), "shop.lcd - ORVANEX QD-N800 Series LCD Editor");
    EXPECT_EQ(test::ReadWholeFile(path).size(), 1054720);
    window->ActionFileNew->trigger();
    EXPECT_EQ(window->windowTitle(), "ORVANEX QD-N800 Series LCD Editor");
}

TEST_F(Window, CommandFileActionsProposeTheirDefaultNames) {
    QTemporaryDir dir;
    window->ShowImage(7);
    services->CommandFileAnswers = {dir.filePath("regist_07.prn")};
    window->ActionCreateCommandThisImage->trigger();
    window->ActionCreateCommandDeleteThisImage->trigger();  // cancelled
    EXPECT_TRUE(services->Log.contains("command file: regist_07.prn"));
    EXPECT_TRUE(services->Log.contains("command file: delete_07.prn"));
    EXPECT_EQ(test::ReadWholeFile(dir.filePath("regist_07.prn")).size(), 1069);
}

}  // namespace
}  // namespace zozavud
