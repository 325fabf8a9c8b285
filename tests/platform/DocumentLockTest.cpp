#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <functional>

#include "DocumentLock.h"
#include "TestFiles.h"
#include "UnusualFiles.h"

namespace zozavud {
namespace {

qint64 DeadPid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// Before, an empty or garbage lock made every writer wait out the bound and fail, a FIFO
// hung it for ever and a link to /dev/zero read without end.
TEST(DocumentLock, ALockNamingNoLiveOwnerIsTakenOverAndANonFileRefusedAtOnce) {
    using Result = DocumentLock::Result;
    const QByteArray deadOwner =
        QByteArray::number(DeadPid()) + "\nzozavud-cli\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    const struct {
        const char* What;
        std::function<bool(const QString& lock)> Make;
        Result Want;
        const char* Named;
    } cases[] = {
        {"nothing", [](const QString&) { return true; }, Result::Locked, ""},
        {"an empty lock", [](const QString& l) { return test::WriteWholeFile(l, ""); }, Result::Locked, ""},
        {"garbage", [](const QString& l) { return test::WriteWholeFile(l, "junk\n\x01\x02"); },
         Result::Locked, ""},
        {"a file too long for a lock",
         [](const QString& l) { return test::WriteWholeFile(l, QByteArray(100000, '7')); }, Result::Locked,
         ""},
        {"a dead owner's lock", [&](const QString& l) { return test::WriteWholeFile(l, deadOwner); },
         Result::Locked, ""},
        {"a folder", MakeFolder, Result::Refused, "a folder"},
        {"a FIFO", MakeFifo, Result::Refused, "a FIFO"},
        {"a link to /dev/zero", [](const QString& l) { return QFile::link("/dev/zero", l); }, Result::Refused,
         "a symbolic link to /dev/zero"},
        {"a socket", MakeSocket, Result::Refused, "a socket"},
    };
    constexpr int waitMs = 4000;
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString doc = dir.filePath("doc.lcd");
        ASSERT_TRUE(c.Make(doc + ".lock")) << c.What;
        DocumentLock lock(doc);
        QElapsedTimer clock;
        clock.start();
        QString error;
        EXPECT_EQ(lock.Acquire(waitMs, &error), c.Want) << c.What;
        EXPECT_LT(clock.elapsed(), waitMs / 2) << c.What << " waited for the bound";
        // Held as a lock file of our own, or what stood there is left as it was.
        EXPECT_EQ(QFileInfo(doc + ".lock").isFile(), c.Want == Result::Locked) << c.What;
        EXPECT_TRUE(error.contains(doc + ".lock is " + c.Named) || c.Want == Result::Locked)
            << error.toStdString();
    }
}

}  // namespace
}  // namespace zozavud
