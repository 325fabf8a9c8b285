#include <QProgressDialog>
#include <QPushButton>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "PrinterSend.h"
#include "RecordingSpooler.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

// A spooler whose writes hold the calling thread until the test releases them, as a
// print server that does not answer holds it.
class BlockingSpooler : public test::RecordingSpooler {
public:
    BlockingSpooler() {
        OnWrite = [this] {
            writing = true;
            std::unique_lock lock(mutex_);
            released_.wait(lock, [this] { return open_; });
        };
    }
    void Release() {
        const std::lock_guard lock(mutex_);
        open_ = true;
        released_.notify_all();
    }
    void GiveUpJob(const QString& name, int jobId) override {
        Calls << QStringLiteral("give up %1 %2").arg(name).arg(jobId);
    }
    std::atomic<bool> writing{false};

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool open_ = false;
};

using WindowSendProgress = test::Window;

// A print server that never answers froze the window for the whole answer timeout, and
// nothing could stop the wait.
TEST_F(WindowSendProgress, SendThatHangsKeepsTheWindowResponsiveAndCancels) {
    auto blocking = std::make_unique<BlockingSpooler>();
    BlockingSpooler* spooler = blocking.get();
    window->SetSpooler(std::move(blocking));
    services->PrinterAnswers = {QString("shop-front"), QString("shop-front")};

    int ticksWhileBlocked = 0;  // timer events the window handled while the spooler held its thread
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        auto* progress = window->findChild<QProgressDialog*>("ProgressDialogSend");
        if (!spooler->writing || !progress || !progress->isVisible() || ++ticksWhileBlocked < 5) return;
        EXPECT_TRUE(progress->isModal());
        progress->findChild<QPushButton*>()->click();
    });
    ticker.start(10);
    QTimer guard;  // a wait that cannot be cancelled fails the test rather than hanging it
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [spooler] { spooler->Release(); });
    guard.start(10000);
    Find<QAction>("ActionSendToPrinterAllImage")->trigger();
    ticker.stop();
    EXPECT_EQ(ticksWhileBlocked, 5);
    EXPECT_EQ(services->Log.last(), QString("message: ") + SendCancelledMessage);

    // The next send waits behind the first, which gives up its job once released.
    spooler->Release();
    services->Log.clear();
    Find<QAction>("ActionSendToPrinterAllImage")->trigger();
    EXPECT_EQ(services->Log, QStringList{"printer: shop-front"});
    const QStringList first = spooler->Calls.mid(0, spooler->Calls.indexOf("unlock") + 1);
    EXPECT_EQ(first,
              (QStringList{"load shop-front", "lock", "open shop-front", "start ORVANEX LCD Customize Data",
                           "write 19627", "end", "give up shop-front 7", "close", "unlock"}))
        << spooler->Calls.join(" | ").toStdString();
    EXPECT_EQ(spooler->Calls.count("write 19627"), 2);
    EXPECT_FALSE(spooler->Calls.mid(first.size()).join(" ").contains("give up"));
}

}  // namespace
}  // namespace zozavud
