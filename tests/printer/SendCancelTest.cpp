// The CUPS spooler called from a thread of its own and cancelled while the print server
// says nothing.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>
#include <thread>

#include "SendSupport.h"
#include "Spooler.h"

namespace zozavud {
namespace {

// Cancelling the wait left the call blocked until the whole answer timeout had passed.
TEST(CupsCancel, CancelledWaitForASilentServerEndsAtOnce) {
    test::ByteSink silent;
    const QByteArray saved = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QStringLiteral("127.0.0.1:%1").arg(silent.Port()).toUtf8());
    const std::unique_ptr<Spooler> spooler = CreateSystemSpooler();
    CancelFlag cancel{false};
    spooler->SetCancelFlag(&cancel);
    QStringList names{"unset"};
    QString detail;
    QElapsedTimer clock;
    clock.start();
    // A thread of its own reads the server from the environment afresh.
    std::thread worker([&] {
        names = spooler->PrinterNames();
        detail = spooler->LastErrorDetail();
    });
    QThread::msleep(300);
    cancel = true;
    worker.join();
    if (saved.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", saved);
    EXPECT_LT(clock.elapsed(), 10000);  // the answer timeout is 30 s
    EXPECT_TRUE(silent.Connected());
    EXPECT_TRUE(names.isEmpty());
    EXPECT_EQ(detail, "Cancelled before the print server answered.");
}

}  // namespace
}  // namespace zozavud
