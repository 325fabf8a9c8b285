#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
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

constexpr uid_t OtherUser = 65534;
// A path for the system calls; the bytes live until the end of the call they are passed to.
QByteArray Name(const QString& path) { return QFile::encodeName(path); }

TEST(MakePrivateFolder, AFolderOthersCanWriteOrThatIsNotPlainlyOursIsRefused) {
    QTemporaryDir dir;
    const QString own = dir.filePath("own");
    ASSERT_EQ(mkdir(Name(own).constData(), 0700), 0);
    const struct {
        const char* What;
        std::function<bool(const char* path)> Plant;
        QString Reason;  // empty: the folder is accepted
    } cases[] = {
        {"nothing there yet", [](const char*) { return true; }, ""},
        {"our folder that others may read", [](const char* p) { return mkdir(p, 0755) == 0; }, ""},
        {"group may write", [](const char* p) { return mkdir(p, 0700) == 0 && chmod(p, 0770) == 0; },
         "Other users may write to it (mode 0770)"},
        {"shared like /tmp", [](const char* p) { return mkdir(p, 0700) == 0 && chmod(p, 01777) == 0; },
         "Other users may write to it (mode 1777)"},
        {"a symlink to our own private folder",
         [&](const char* p) { return symlink(Name(own).constData(), p) == 0; },
         "A symbolic link is in its place"},
        {"a file", [](const char* p) { return test::WriteWholeFile(p, "x"); }, "Not a directory"},
        {"owned by another user",
         [](const char* p) { return geteuid() == 0 && mkdir(p, 0700) == 0 && chown(p, OtherUser, -1) == 0; },
         "Owned by another user (uid 65534)"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.What);
        if (!c.Plant(Name(path).constData())) continue;  // another user's folder needs root
        QString reason;
        EXPECT_EQ(MakePrivateFolder(path, &reason), c.Reason.isEmpty()) << c.What;
        EXPECT_EQ(reason, c.Reason) << c.What;
    }
    struct stat made {};
    ASSERT_EQ(lstat(Name(dir.filePath("nothing there yet")).constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 07777, 0700u);
}

// Qt gives no runtime folder when the one it would use is a link or someone else's: the lock
// then goes to our own folder, never into the shared temporary folder itself.
TEST(SingleInstance, AnUnusableRuntimeFolderPutsTheLockInOurOwnOrInNone) {
    QTemporaryDir tmp;
    const QByteArray oldTmp = qgetenv("TMPDIR"), oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    qunsetenv("XDG_RUNTIME_DIR");
    const QString qtFolder = tmp.filePath(QString("runtime-") + getpwuid(geteuid())->pw_name);
    const QString own = tmp.filePath(OwnFolderName());
    ASSERT_EQ(symlink("/", Name(qtFolder).constData()), 0);
    {
        const SingleInstance instance("Editor Title");
        EXPECT_TRUE(instance.IsFirst());
        EXPECT_EQ(instance.LockPath(), own + "/Editor Title.lock");
    }
    ASSERT_TRUE(QDir(own).removeRecursively());
    ASSERT_EQ(symlink(Name(tmp.path()).constData(), Name(own).constData()), 0);
    const SingleInstance instance("Editor Title");
    EXPECT_EQ(instance.Result(), SingleInstance::Outcome::Unguarded);
    EXPECT_EQ(instance.ErrorText(), "Can not create a private folder for the lock file. (" + own +
                                        ")\nA symbolic link is in its place\nThe editor runs without the "
                                        "single-instance check: other copies are not noticed, and files are "
                                        "not handed over to this window.");
    qputenv("TMPDIR", oldTmp);
    oldRuntime.isEmpty() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

// Root stands in for another user: a lock naming a live owner and a socket, planted by
// someone else, must neither stop this copy nor hear the file it would hand over.
TEST(SingleInstance, ALockAndSocketOfAnotherUserAreNeverTrusted) {
    if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    QTemporaryDir dir;
    QByteArray live;
    {
        QLockFile probe(dir.filePath("probe.lock"));
        ASSERT_TRUE(probe.tryLock(0));
        live = test::ReadWholeFile(dir.filePath("probe.lock"));
    }
    const struct {
        const char* What;
        uid_t Owner;
        SingleInstance::Outcome Want;
        bool Reached;
    } cases[] = {
        {"ours: a running copy", geteuid(), SingleInstance::Outcome::Held, true},
        {"another user's", OtherUser, SingleInstance::Outcome::First, false},
    };
    for (const auto& c : cases) {
        const QString folder = dir.filePath(c.What), lock = folder + "/Editor Title.lock";
        ASSERT_TRUE(QDir().mkdir(folder) && test::WriteWholeFile(lock, live));
        QLocalServer planted;
        ASSERT_TRUE(planted.listen(HandoverName(lock)));
        ASSERT_EQ(lchown(Name(lock).constData(), c.Owner, -1) |
                      lchown(Name(HandoverName(lock)).constData(), c.Owner, -1),
                  0);
        EXPECT_EQ(SingleInstance("Editor Title", folder).Result(), c.Want) << c.What;
        EXPECT_FALSE(HandOverToRunningCopy(HandoverName(lock), "/d/secret.lcd", 200, nullptr)) << c.What;
        EXPECT_EQ(planted.waitForNewConnection(100), c.Reached) << c.What;
    }
}

TEST(HandoverServer, ARequestOverTheLimitIsRefusedNotCutToSize) {
    QTemporaryDir dir;
    HandoverServer server;
    ASSERT_TRUE(server.Listen(dir.filePath("t.socket"), nullptr));
    QStringList opened;
    QObject::connect(&server, &HandoverServer::HandedOver, [&](const QString& path) { opened << path; });
    const QString fits = "/d/" + QString(40000, 'a'), over = "/d/" + QString(90000, 'a');
    const struct {
        const char* What;
        QString Path;
        bool Taken;
    } cases[] = {{"53 KB, within the limit", fits, true}, {"120 KB", over, false}};
    for (const auto& c : cases) {
        opened.clear();
        QLocalSocket client;
        client.connectToServer(dir.filePath("t.socket"));
        ASSERT_TRUE(client.waitForConnected(1000));
        client.write(HandoverRequest(c.Path));
        QByteArray reply;
        for (QDeadlineTimer deadline(5000); client.state() != QLocalSocket::UnconnectedState;) {
            ASSERT_FALSE(deadline.hasExpired()) << c.What;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            reply += client.readAll();
        }
        EXPECT_EQ(reply, c.Taken ? "ok\n" : "") << c.What;
        EXPECT_EQ(opened, c.Taken ? QStringList{c.Path} : QStringList{}) << c.What;
    }
}

}  // namespace
}  // namespace zozavud
