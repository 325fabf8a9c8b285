#pragma once
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <memory>

#include "FakeServices.h"
#include "UnitZozAvudMain.h"
#include "ui_UnitZozAvudMain.h"

namespace zozavud::test {

// The real main window on the offscreen platform, with its dialogs answered by fakes.
class Window : public ::testing::Test {
protected:
    void SetUp() override { Start(0x0409); }
    void Start(uint32_t locale) {
        window = std::make_unique<TFormZozAvudMain>();
        auto fake = std::make_unique<FakeServices>();
        services = fake.get();
        window->SetServices(std::move(fake));
        window->InitialiseEditor(locale);
    }
    Ui::TFormZozAvudMain& f() { return *window->Form(); }
    EditorState& state() { return window->State(); }
    ImageRecord& current() { return state().CurrentRecord(); }
    bool ToolButtonEnabled(QAction* action) {
        return window->ToolBar1->widgetForAction(action)->isEnabled();
    }

    std::unique_ptr<TFormZozAvudMain> window;
    FakeServices* services = nullptr;
};

}  // namespace zozavud::test
