#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cstring>
#include <functional>

#include "DocumentLock.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

qint64 DeadPid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

bool BindSocket(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, name.constData(), name.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) close(fd);
    return bound;
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
        {"a folder", [](const QString& l) { return QDir().mkdir(l); }, Result::Refused, "a folder"},
        {"a FIFO", [](const QString& l) { return mkfifo(QFile::encodeName(l).constData(), 0600) == 0; },
         Result::Refused, "a FIFO"},
        {"a link to /dev/zero", [](const QString& l) { return QFile::link("/dev/zero", l); }, Result::Refused,
         "a symbolic link to /dev/zero"},
        {"a socket", BindSocket, Result::Refused, "a socket"},
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
        if (c.Want == Result::Locked) continue;
        EXPECT_TRUE(error.contains(doc + ".lock is " + c.Named)) << error.toStdString();
        EXPECT_FALSE(QFileInfo(doc + ".lock").isFile()) << c.What << " was replaced";
    }
}

}  // namespace
}  // namespace zozavud
