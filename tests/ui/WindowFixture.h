#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <memory>
#include <stdexcept>

#include "FakeServices.h"
#include "UnitZozAvudMain.h"

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
    // A control, action or menu of the window by its object name, as a user finds it by
    // its label; a name the window does not have fails the test.
    template <typename T>
    T* Find(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("the window has no ") + name);
        return found;
    }
    EditorState& state() { return window->State(); }
    ImageRecord& current() { return state().CurrentRecord(); }
    bool ToolButtonEnabled(const char* action) {
        return Find<QToolBar>("ToolBar1")->widgetForAction(Find<QAction>(action))->isEnabled();
    }

    std::unique_ptr<TFormZozAvudMain> window;
    FakeServices* services = nullptr;
};

}  // namespace zozavud::test
