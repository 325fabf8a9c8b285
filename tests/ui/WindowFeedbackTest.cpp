#include <QStatusBar>
#include <QTemporaryDir>

#include "RecordingSpooler.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

TEST_F(Window, SaveWriteAndSendEndWithoutSayingSo) {
    QTemporaryDir dir;
    auto recording = std::make_unique<test::RecordingSpooler>();
    recording->Printers << "desk-1";
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
