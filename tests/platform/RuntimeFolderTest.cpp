#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTemporaryDir>
#include <functional>

#include "InstanceHandover.h"
#include "RuntimeFolder.h"
#include "SingleInstance.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using Outcome = SingleInstance::Outcome;
QByteArray Name(const QString& path) { return QFile::encodeName(path); }

TEST(MakePrivateFolder, AFolderOthersCanWriteOrThatIsNotPlainlyOursIsRefused) {
    QTemporaryDir dir;
    const bool root = geteuid() == 0;
    const std::pair<std::function<bool(const char*)>, QString> cases[] = {
        {[](const char*) { return true; }, ""},  // made for us alone
        {[](const char* p) { return mkdir(p, 0755) == 0; }, ""},
        {[](const char* p) { return mkdir(p, 0700) == 0 && chmod(p, 0770) == 0; },
         "Other users may write to it (mode 0770)"},
        {[](const char* p) { return mkdir(p, 0700) == 0 && chmod(p, 01777) == 0; },
         "Other users may write to it (mode 1777)"},
        {[&](const char* p) { return symlink(Name(dir.path()), p) == 0; }, "A symbolic link is in its place"},
        {[](const char* p) { return test::WriteWholeFile(p, "x"); }, "Not a directory"},
        {[&](const char* p) { return root && mkdir(p, 0700) == 0 && chown(p, 65534, -1) == 0; },
         "Owned by another user (uid 65534)"},  // root only
    };
    for (int n = 0; const auto& [plant, want] : cases) {
        const QString path = dir.filePath(QString::number(n++));
        if (!plant(Name(path))) continue;
        QString reason;
        EXPECT_EQ(MakePrivateFolder(path, &reason), want.isEmpty()) << n;
        EXPECT_EQ(reason, want) << n;
    }
    struct stat made {};
    ASSERT_EQ(lstat(Name(dir.filePath("0")), &made), 0);
    EXPECT_EQ(made.st_mode & 07777, 0700u);
}

// Qt gives no runtime folder when its own would be a link: the lock goes to our own folder,
// never into the shared temporary folder itself, and with that a link too, nowhere.
TEST(SingleInstance, AnUnusableRuntimeFolderPutsTheLockInOurOwnOrInNone) {
    QTemporaryDir tmp;
    const QByteArray oldTmp = qgetenv("TMPDIR"), oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", Name(tmp.path()));
    qunsetenv("XDG_RUNTIME_DIR");
    const QString own = tmp.filePath(OwnFolderName());
    ASSERT_EQ(symlink("/", Name(tmp.filePath(QString("runtime-") + getpwuid(geteuid())->pw_name))), 0);
    EXPECT_EQ(SingleInstance("Editor Title").LockPath(), own + "/Editor Title.lock");
    ASSERT_TRUE(QDir(own).removeRecursively() && symlink("/", Name(own)) == 0);
    const SingleInstance instance("Editor Title");
    EXPECT_EQ(instance.Result(), Outcome::Unguarded);
    EXPECT_TRUE(instance.ErrorText().startsWith("Can not create a private folder for the lock file. (" + own +
                                                ")\nA symbolic link is in its place\n"));
    qputenv("TMPDIR", oldTmp);
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

// Root stands in for another user, whose planted lock names a live owner (this process).
TEST(SingleInstance, ALockAndSocketOfAnotherUserAreNeverTrusted) {
    if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    QTemporaryDir dir;
    QLockFile probe(dir.filePath("probe.lock"));
    ASSERT_TRUE(probe.tryLock(0));
    const QByteArray live = test::ReadWholeFile(dir.filePath("probe.lock"));
    for (const uid_t owner : {geteuid(), uid_t(65534)}) {
        const QString folder = dir.filePath(QString::number(owner)), lock = folder + "/Editor Title.lock";
        QLocalServer planted;
        ASSERT_TRUE(QDir().mkdir(folder) && test::WriteWholeFile(lock, live) &&
                    planted.listen(HandoverName(lock)));
        ASSERT_EQ(lchown(Name(lock), owner, -1) | lchown(Name(HandoverName(lock)), owner, -1), 0);
        const bool ours = owner == geteuid();
        EXPECT_EQ(SingleInstance("Editor Title", folder).Result(), ours ? Outcome::Held : Outcome::First);
        EXPECT_FALSE(HandOverToRunningCopy(HandoverName(lock), "/d/secret.lcd", 200, nullptr));
        EXPECT_EQ(planted.waitForNewConnection(100), ours) << "the socket heard the file";
    }
}

TEST(HandoverServer, ARequestOverTheLimitIsRefusedNotCutToSize) {
    QTemporaryDir dir;
    HandoverServer server;
    ASSERT_TRUE(server.Listen(dir.filePath("s"), nullptr));
    QStringList opened;
    QObject::connect(&server, &HandoverServer::HandedOver, [&](const QString& path) { opened << path; });
    for (const int length : {40000, 90000}) {  // requests of 53 KB and 120 KB
        const QString path = "/d/" + QString(length, 'a');
        QLocalSocket client;
        client.connectToServer(dir.filePath("s"));
        ASSERT_TRUE(client.waitForConnected(1000));
        client.write(HandoverRequest(path));
        for (QDeadlineTimer deadline(5000); client.state() != QLocalSocket::UnconnectedState;) {
            ASSERT_FALSE(deadline.hasExpired());
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        EXPECT_EQ(client.readAll(), length < 50000 ? "ok\n" : "") << length;
        EXPECT_EQ(opened, length < 50000 ? QStringList{path} : QStringList{}) << length;
        opened.clear();
    }
}

}  // namespace
}  // namespace zozavud
