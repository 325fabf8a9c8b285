#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>

#include "RecordingSpooler.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

// The menu item of that action, searched through the menu bar and its submenus.
QAction* InMenus(const QMenu* menu, const QString& name) {
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name) return action;
        if (action->menu())
            if (QAction* found = InMenus(action->menu(), name)) return found;
    }
    return nullptr;
}

TEST_F(Window, StandardKeysAreMissingFromTheMenus) {
    const struct {
        const char* Action;
        const char* Keys;
    } cases[] = {
        {"ActionFileNew", "Ctrl+N"},
        {"ActionFileOpen", "Ctrl+O"},
        {"ActionFileSave", "Ctrl+S"},
        {"ActionFileSaveAs", "Ctrl+Shift+S"},
        {"ActionHelpHelp", "F1"},
        {"ActionEditImagePrev", "PgUp"},
        {"ActionEditImageNext", "PgDown"},
        {"ActionEditImageFirst", "Ctrl+Home"},
        {"ActionEditImageLast", "Ctrl+End"},
        {"ActionEditUndo", "Ctrl+Z"},
    };
    for (const auto& c : cases) {
        QAction* item = nullptr;
        for (const QMenu* menu : window->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
            if (!item) item = InMenus(menu, c.Action);
        ASSERT_NE(item, nullptr) << c.Action;
        EXPECT_EQ(item->shortcut(), QKeySequence(c.Keys)) << c.Action;
        EXPECT_EQ(item->shortcutContext(), Qt::WindowShortcut) << c.Action;
    }
}

TEST_F(Window, SaveWriteAndSendEndWithoutSayingSo) {
    QTemporaryDir dir;
    auto recording = std::make_unique<test::RecordingSpooler>();
    window->SetSpooler(std::move(recording));
    services->SaveAnswers = {dir.filePath("shop.lcd")};
    services->CommandFileAnswers = {dir.filePath("regist_04.prn")};
    services->PrinterAnswers = {QString("desk-1")};
    const struct {
        const char* Action;
        const char* Said;
    } cases[] = {
        {"ActionFileSave", "Saved shop.lcd"},
        {"ActionCreateCommandThisImage", "Wrote regist_04.prn"},
        {"ActionSendToPrinterThisImage", "Sent to desk-1"},
    };
    for (const auto& c : cases) {
        window->statusBar()->clearMessage();
        Find<QAction>(c.Action)->trigger();
        EXPECT_EQ(window->statusBar()->currentMessage(), c.Said) << services->Log.join(" | ").toStdString();
    }
    services->CommandFileAnswers = {std::nullopt};  // cancelled: nothing to say
    window->statusBar()->clearMessage();
    Find<QAction>("ActionCreateCommandAllImages")->trigger();
    EXPECT_EQ(window->statusBar()->currentMessage(), "");
}

}  // namespace
}  // namespace zozavud
