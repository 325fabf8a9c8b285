#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QWidgetAction>
#include <algorithm>

#include "TestFiles.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

TEST_F(Window, StartsAsDesigned) {
    EXPECT_EQ(window->windowTitle(), "ORVANEX QD-N800 Series LCD Editor");
    EXPECT_EQ(window->centralWidget()->height() + Find<QToolBar>("ToolBar1")->height(), 443);
    EXPECT_EQ(window->width(), 730);
    EXPECT_EQ(Find<QLabel>("ImageLCDExpand")->geometry(), QRect(36, 16, 256, 50));
    EXPECT_EQ(state().CurrentImage, 1);
    EXPECT_FALSE(state().Modified);
    EXPECT_FALSE(Find<QMenu>("MenuLanguage")->menuAction()->isVisible());
    for (QAction* action : Find<QMenu>("MenuLanguage")->actions()) EXPECT_FALSE(action->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxBlink")->isHidden());
}

TEST_F(Window, StepStaysWithinOneToNineteenWithoutWrapping) {
    EXPECT_FALSE(ToolButtonEnabled("ActionEditImageFirst"));
    EXPECT_FALSE(ToolButtonEnabled("ActionEditImagePrev"));
    EXPECT_TRUE(ToolButtonEnabled("ActionEditImageNext"));
    EXPECT_TRUE(ToolButtonEnabled("ActionEditImageLast"));
    EXPECT_TRUE(Find<QAction>("ActionEditImagePrev")->isEnabled());  // the menu item stays usable

    Find<QAction>("ActionEditImagePrev")->trigger();
    EXPECT_EQ(state().CurrentImage, 1);
    Find<QAction>("ActionEditImageNext")->trigger();
    EXPECT_EQ(state().CurrentImage, 2);
    for (const char* button :
         {"ActionEditImageFirst", "ActionEditImagePrev", "ActionEditImageNext", "ActionEditImageLast"})
        EXPECT_TRUE(ToolButtonEnabled(button));

    Find<QAction>("ActionEditImageLast")->trigger();
    EXPECT_EQ(state().CurrentImage, 19);
    Find<QAction>("ActionEditImageNext")->trigger();
    EXPECT_EQ(state().CurrentImage, 19);
    EXPECT_FALSE(ToolButtonEnabled("ActionEditImageNext"));
    EXPECT_FALSE(ToolButtonEnabled("ActionEditImageLast"));
    EXPECT_TRUE(ToolButtonEnabled("ActionEditImagePrev"));

    Find<QAction>("ActionEditImage7")->trigger();
    EXPECT_EQ(state().CurrentImage, 7);
    state().Modified = false;
    Find<QAction>("ActionEditImage7")->trigger();
    EXPECT_EQ(state().CurrentImage, 7);
    EXPECT_FALSE(state().Modified);
    Find<QAction>("ActionEditImageFirst")->trigger();
    EXPECT_EQ(state().CurrentImage, 1);
}

// One line per menu entry, depth by indent: "caption | hint | keys", "-" for a separator.
// The hint is both the tooltip and the status text.
void ListMenu(const QMenu& menu, const QString& indent, QStringList& lines) {
    for (const QAction* item : menu.actions()) {
        if (item->isSeparator()) {
            lines << indent + "-";
        } else if (item->menu()) {
            lines << indent + item->text() + " >";
            ListMenu(*item->menu(), indent + "  ", lines);
        } else {
            QStringList keys;
            for (const QKeySequence& key : item->shortcuts())
                keys << key.toString(QKeySequence::PortableText);
            lines << indent + item->text() + " | " + item->statusTip() + " | " + keys.join(", ");
            if (!item->statusTip().isEmpty()) {
                EXPECT_EQ(item->toolTip(), item->statusTip()) << lines.last().toStdString();
            }
        }
    }
}

TEST_F(Window, ActionCaptionsAndHints) {
    QStringList expected = {"&File >",
                            "  &New | New | Ctrl+N",
                            "  &Open | Open | Ctrl+O",
                            "  &Save | Save | Ctrl+S",
                            "  Save &As | SaveAs | Ctrl+Shift+S",
                            "  -",
                            "  Send To &Printer >",
                            "    Send &This Image | Send This Image To Printer | ",
                            "    Send &All Images | Send All Images To Printer | ",
                            "    -",
                            "    Send Deleting This Image | Delete This Image For Printer | ",
                            "    Send Deleting All Images | Delete Image All For Printer | ",
                            "  Create Command File >",
                            "    Write &This Image | Write to file this image | ",
                            "    Write &All Images | Write to file all images | ",
                            "    -",
                            "    Write Deleting This Image | Write to file delete this image | ",
                            "    Write Deleting All Images | Write to file delete images all | ",
                            "  -",
                            "  E&xit | Exit | ",
                            "&Edit >",
                            "  &Clear | Clear | ",
                            "  &Back | Back | PgUp",
                            "  &Next | Next | PgDown",
                            "  &Jump to >"};
    for (int n = 1; n <= 9; ++n) expected << QString("    Image No.&%1 | Image No.%1 | ").arg(n);
    for (int n = 10; n <= 19; ++n)
        expected << QString("    Image No.1&%1 | Image No.%2 | ").arg(n - 10).arg(n);
    expected << "  &First Image | First Image | Ctrl+Home"
             << "  &Last Image | Last Image | Ctrl+End"
             << "  Change Font in &All Image | Change Font in All Image | "
             << "  -"
             << "  &Undo |  | Ctrl+Z"
             << "  &Redo |  | Ctrl+Shift+Z, Ctrl+Y"
             << "Language >"
             << "  &English |  | "
             << "  &Japanese |  | "
             << "  &French |  | "
             << "  &German |  | "
             << "  &Spanish |  | "
             << "  &Italian |  | "
             << "  &Chinese |  | "
             << "&Help >"
             << "  &About | About | "
             << "  &Help | help | F1";
    QStringList menus;
    for (const QAction* item : window->menuBar()->actions()) {
        ASSERT_NE(item->menu(), nullptr) << item->text().toStdString();
        menus << item->text() + " >";
        ListMenu(*item->menu(), "  ", menus);
    }
    for (qsizetype i = 0; i < std::max(expected.size(), menus.size()); ++i)
        EXPECT_EQ(menus.value(i, "(missing)").toStdString(), expected.value(i, "(none)").toStdString())
            << "menu line " << i;

    // The toolbar: its buttons 23 wide, with the hints as tooltips; "-" for a gap.
    QStringList buttons;
    QToolBar& toolbar = *Find<QToolBar>("ToolBar1");
    for (QAction* action : toolbar.actions()) {
        const QWidget* button = toolbar.widgetForAction(action);
        const QString name = qobject_cast<QWidgetAction*>(action) ? QString("-") : action->toolTip();
        buttons << QString("%1 %2").arg(name).arg(button->width());
    }
    EXPECT_EQ(buttons.join(", "),
              "New 23, Open 23, Save 23, - 8, Send This Image To Printer 23, - 8, "
              "First Image 23, Back 23, Next 23, Last Image 23");

    // The actions of the input panel's buttons, in no menu.
    EXPECT_EQ(Find<QAction>("ActionTextSelectFont")->text(), "&Select");
    EXPECT_EQ(Find<QAction>("ActionBitmapLoadBitmapFile")->text(), "&Load Bitmap File...");
    EXPECT_EQ(Find<QAction>("ActionBitmapClearBitmapData")->text(), "&Clear Image");
    // Keys belong to menu items only, where the menu shows them.
    for (const char* name :
         {"ActionTextSelectFont", "ActionBitmapLoadBitmapFile", "ActionBitmapClearBitmapData"})
        EXPECT_TRUE(Find<QAction>(name)->shortcut().isEmpty()) << name;
}

TEST_F(Window, LanguageOverrideAndMenu) {
    Start(0x0410);  // Italian
    EXPECT_EQ(Find<QLabel>("StaticTextPrinterMessage1")->text(), "ORVANEX");
    window->ShowImage(2);
    EXPECT_EQ(Find<QLabel>("StaticTextPrinterMessage1")->text(), "In linea");
    Find<QCheckBox>("CheckBoxLanguageEnglish")->setChecked(true);
    EXPECT_EQ(Find<QLabel>("StaticTextPrinterMessage1")->text(), "Online");
    EXPECT_TRUE(Find<QAction>("ActionLanguageEnglish")->isChecked());
    EXPECT_EQ(state().Language.SelectedLanguage, MessageLanguage::Italian);
    Find<QCheckBox>("CheckBoxLanguageEnglish")->setChecked(false);
    EXPECT_EQ(Find<QLabel>("StaticTextPrinterMessage1")->text(), "In linea");
    EXPECT_TRUE(Find<QAction>("ActionLanguageItalian")->isChecked());
    EXPECT_EQ(state().Language.MessageFontName, "Tahoma");

    Find<QCheckBox>("CheckBoxLanguageEnglish")->setChecked(true);
    Find<QAction>("ActionLanguageGerman")->trigger();  // German
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxLanguageEnglish")->isChecked());
    EXPECT_EQ(Find<QLabel>("StaticTextPrinterMessage1")->text(), "Online");
    window->ShowImage(3);
    EXPECT_EQ(Find<QLabel>("StaticTextPrinterMessage1")->text(), QString::fromUtf8("Taste drücken"));
    int checked = 0;
    for (QAction* action : Find<QMenu>("MenuLanguage")->actions()) checked += action->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);

    Find<QAction>("ActionLanguageJapanese")->trigger();  // Japanese: new records take its font
    EXPECT_EQ(state().Language.MessageCharset, 128);
    Find<QAction>("ActionEditClear")->trigger();
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
    const QImage lit = Find<QLabel>("ImageLCDExpand")->pixmap().toImage();
    window->AnimationTick();
    EXPECT_TRUE(state().BlinkPhase);
    EXPECT_NE(Find<QLabel>("ImageLCDExpand")->pixmap().toImage(), lit);
    window->AnimationTick();
    EXPECT_EQ(Find<QLabel>("ImageLCDExpand")->pixmap().toImage(), lit);
}

TEST_F(Window, ClosePromptsAndKeepsTheWorkWhenNothingWasSaved) {
    window->ShowImage(10);
    state().Modified = true;
    services->ConfirmAnswers = {SaveChangesAnswer::Yes};  // Yes, then the save dialog is cancelled
    QCloseEvent refused;
    QCoreApplication::sendEvent(window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_TRUE(state().Modified);
    EXPECT_EQ(services->Log.mid(services->Log.size() - 2), (QStringList{"confirm", "save"}));
    EXPECT_TRUE(window->AnimationRunning());  // the window stays, and so does its animation

    services->ConfirmAnswers = {SaveChangesAnswer::No};
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
    Find<QAction>("ActionFileSaveAs")->trigger();
    EXPECT_EQ(window->windowTitle(), "shop.lcd - ORVANEX QD-N800 Series LCD Editor");
    EXPECT_EQ(test::ReadWholeFile(path).size(), 1054720);
    Find<QAction>("ActionFileNew")->trigger();
    EXPECT_EQ(window->windowTitle(), "ORVANEX QD-N800 Series LCD Editor");
}

TEST_F(Window, CommandFileActionsProposeTheirDefaultNames) {
    QTemporaryDir dir;
    window->ShowImage(7);
    services->CommandFileAnswers = {dir.filePath("regist_07.prn")};
    Find<QAction>("ActionCreateCommandThisImage")->trigger();
    Find<QAction>("ActionCreateCommandDeleteThisImage")->trigger();  // cancelled
    EXPECT_TRUE(services->Log.contains("command file: regist_07.prn"));
    EXPECT_TRUE(services->Log.contains("command file: delete_07.prn"));
    EXPECT_EQ(test::ReadWholeFile(dir.filePath("regist_07.prn")).size(), 1069);
}

}  // namespace
}  // namespace zozavud
