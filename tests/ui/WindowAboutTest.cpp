#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "UnitAbout.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

class WindowAbout : public test::Window {
protected:
    void SetUp() override {
        test::Window::SetUp();
        about = std::make_unique<TDlgAbout>(window.get());
        window->SetAboutDialog(about.get());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        window->SetAboutDialog(nullptr);
        about.reset();
    }
    // Runs About and closes the dialog as soon as it is up.
    void RunAbout() {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal == about.get();
                about->reject();
            }
        });
        Find<QAction>("ActionHelpAbout")->trigger();
        EXPECT_TRUE(shown);
    }
    std::unique_ptr<TDlgAbout> about;
};

TEST_F(WindowAbout, ShiftHeldWhenAboutStartsRevealsTheLanguageMenu) {
    RunAbout();
    EXPECT_FALSE(Find<QMenu>("MenuLanguage")->menuAction()->isVisible());

    QTest::keyPress(window->windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
    RunAbout();
    QTest::keyRelease(window->windowHandle(), Qt::Key_Shift, Qt::NoModifier);
    EXPECT_TRUE(Find<QMenu>("MenuLanguage")->menuAction()->isVisible());
    for (QAction* action : Find<QMenu>("MenuLanguage")->actions()) EXPECT_FALSE(action->isChecked());

    RunAbout();  // nothing hides it again
    EXPECT_TRUE(Find<QMenu>("MenuLanguage")->menuAction()->isVisible());
}

}  // namespace
}  // namespace zozavud
