#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "AtomicFile.h"
#include "DocumentLock.h"
#include "SingleInstance.h"
#include "SystemLocale.h"
#include "TemporaryFolder.h"
#include "TestFiles.h"
#include "UnusualFiles.h"

namespace zozavud {
namespace {

TEST(LocaleIdFromName, PosixAndIcuNames) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"ja_JP.UTF-8", 0x0411},
        {"ja_JP", 0x0411},
        {"de_DE@collation=phonebook", 0x10407},
        {"de_DE.UTF-8", 0x0407},
        {"fr_CA.UTF-8", 0x0C0C},
        {"zh_TW.UTF-8", 0x0404},
        {"en_US.UTF-8", 0x0409},
        {"C", 0x0409},
        {"POSIX", 0x0409},
        {"C.UTF-8", 0x0409},
        {"", 0x0409},
        {"xx_YY", 0x0409},
    };
    for (const auto& [name, id] : cases) EXPECT_EQ(LocaleIdFromName(name), id) << name;
}

TEST(SystemDefaultLocaleId, LcAllWinsOverLang) {
    const QByteArray oldAll = qgetenv("LC_ALL"), oldLang = qgetenv("LANG");
    qputenv("LC_ALL", "it_IT.UTF-8");
    qputenv("LANG", "ja_JP.UTF-8");
    EXPECT_EQ(SystemDefaultLocaleId(), 0x0410u);
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "es_ES.UTF-8");
    EXPECT_EQ(SystemDefaultLocaleId(), 0x0C0Au);
    qunsetenv("LC_MESSAGES");
    EXPECT_EQ(SystemDefaultLocaleId(), 0x0411u);
    qputenv("LC_ALL", oldAll);
    qputenv("LANG", oldLang);
}

// Qt's temporary path is empty when TMPDIR names no folder, and files made there land in /.
TEST(TemporaryFolder, TmpdirNamingNoFolderPutsFilesInTheRootFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(test::WriteWholeFile(dir.filePath("file"), "x"));
    const QByteArray old = qgetenv("TMPDIR");
    const bool hadOld = qEnvironmentVariableIsSet("TMPDIR");
    const struct {
        QString tmpdir, expected;
    } cases[] = {
        {dir.path(), QFileInfo(dir.path()).canonicalFilePath()},
        {dir.filePath("missing"), "/tmp"},
        {dir.filePath("file"), "/tmp"},
        {"", "/tmp"},
    };
    for (const auto& c : cases) {
        qputenv("TMPDIR", QFile::encodeName(c.tmpdir));
        ForgetMissingTemporaryFolder();
        EXPECT_EQ(QDir::tempPath(), c.expected) << c.tmpdir.toStdString();
    }
    hadOld ? qputenv("TMPDIR", old) : qunsetenv("TMPDIR");
}

TEST(SingleInstance, SecondCopyIsRefusedAndAStaleLockIsTakenOver) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    {
        SingleInstance first("Editor Title");
        ASSERT_TRUE(first.IsFirst());
        // Another process sees the lock taken.
        const pid_t child = fork();
        if (child == 0) _exit(SingleInstance("Editor Title").IsFirst() ? 1 : 0);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    // A copy that died holding the lock leaves it behind; the next copy takes it over.
    const pid_t crashed = fork();
    if (crashed == 0) {
        SingleInstance held("Editor Title");
        _exit(held.IsFirst() ? 0 : 1);  // no destructor: the lock file stays
    }
    int status = 0;
    waitpid(crashed, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(QDir(runtime.path()).filePath("Editor Title.lock")));
    EXPECT_TRUE(SingleInstance("Editor Title").IsFirst());
}

// What may stand at the lock's place before a start, and what the start makes of it:
// only a lock held by a running copy means "another copy runs".
TEST(SingleInstance, ALockThatCannotBeMadeIsAFailureNotASecondCopy) {
    using Outcome = SingleInstance::Outcome;
    QTemporaryDir dir;
    const QString lockName = "Editor Title.lock";
    const struct {
        const char* What;
        std::function<QString(const QString& folder)> Prepare;  // gives the lock folder
        Outcome Want;
        const char* SystemText;
    } cases[] = {
        {"nothing there", [](const QString& f) { return f; }, Outcome::First, ""},
        {"a folder still to be made", [](const QString& f) { return f + "/new/deeper"; }, Outcome::First, ""},
        {"a lock file naming no owner",
         [&](const QString& f) { return test::WriteWholeFile(f + "/" + lockName, "junk") ? f : ""; },
         Outcome::First, ""},
        {"an empty lock file",
         [&](const QString& f) { return test::WriteWholeFile(f + "/" + lockName, "") ? f : ""; },
         Outcome::First, ""},
        {"a directory in its place", [&](const QString& f) { return QDir(f).mkdir(lockName) ? f : ""; },
         Outcome::Failed, "Is a directory"},
        {"a pipe in its place",
         [&](const QString& f) {
             return mkfifo(QFile::encodeName(f + "/" + lockName).constData(), 0600) == 0 ? f : "";
         },
         Outcome::Failed, "File exists"},
        {"a file where the folder goes",
         [](const QString& f) { return test::WriteWholeFile(f + "/file", "x") ? f + "/file/sub" : ""; },
         Outcome::Failed, "Not a directory"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString root = dir.filePath(QString::number(++n));
        ASSERT_TRUE(QDir().mkpath(root));
        const QString folder = c.Prepare(root);
        ASSERT_FALSE(folder.isEmpty()) << c.What;
        const SingleInstance instance("Editor Title", folder);
        EXPECT_EQ(instance.Result(), c.Want) << c.What;
        if (c.Want == Outcome::Failed) {
            EXPECT_EQ(instance.ErrorText(),
                      "Can not create the lock file. (" + folder + "/" + lockName + ")\n" + c.SystemText)
                << c.What;
        } else {
            EXPECT_TRUE(instance.ErrorText().isEmpty()) << c.What;
        }
    }
}

// Root may write anywhere, so then the start runs in a child that has become "nobody".
TEST(SingleInstance, AFolderThatCannotBeWrittenIsAFailure) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    auto check = [&] {
        const SingleInstance instance("Editor Title", folder);
        if (!instance.Failed()) return 1;
        return instance.ErrorText().endsWith("\nPermission denied") ? 0 : 2;
    };
    if (geteuid() != 0) {
        EXPECT_EQ(check(), 0) << "1: not a failure, 2: wrong text";
        return;
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(10);
        _exit(check());
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: not a failure, 2: wrong text, 10: no setuid";
}

TEST(WriteFileAtomically, ReplacesWholeOrLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray(19627, 'a')));
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray(41, 'b')));
    EXPECT_EQ(test::ReadWholeFile(path), QByteArray(41, 'b'));

    QString error;
    EXPECT_FALSE(WriteFileAtomically(dir.filePath("missing/out.bin"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.bin"});
}

TEST(WriteFileAtomically, NeverReplacesADeviceFifoSocketOrFolder) {
    const struct {
        const char* Name;
        bool (*Make)(const QString&);
    } cases[] = {{"fifo", MakeFifo},
                 {"socket", MakeSocket},
                 {"device", MakeDevice},
                 {"folder", MakeFolder},
                 {"link", MakeLinkToFifo}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(c.Name);
        if (!c.Make(path)) {
            // Only a device node needs root; every other kind must be made.
            EXPECT_STREQ(c.Name, "device") << "cannot make a " << c.Name;
            continue;
        }
        QString error;
        EXPECT_FALSE(WriteFileAtomically(path, "data", &error)) << c.Name;
        EXPECT_FALSE(error.isEmpty()) << c.Name;
        EXPECT_FALSE(QFileInfo(path).isFile()) << c.Name << " was replaced by a file";
    }
}

TEST(WriteFileAtomically, WritesThroughASymlinkToARegularFile) {
    QTemporaryDir dir;
    const QString target = dir.filePath("target.bin"), link = dir.filePath("link.bin");
    ASSERT_TRUE(test::WriteWholeFile(target, "old"));
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    EXPECT_EQ(test::ReadWholeFile(target), "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

TEST(DocumentLock, ASecondWriterWaitsABoundedTimeAndIsToldWhy) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("doc.lcd");
    ASSERT_TRUE(test::WriteWholeFile(doc, "LCD1"));
    DocumentLock first(doc);
    ASSERT_EQ(first.Acquire(0), DocumentLock::Result::Locked);
    {
        DocumentLock second(doc);
        QElapsedTimer clock;
        clock.start();
        QString error;
        EXPECT_EQ(second.Acquire(300, &error), DocumentLock::Result::Busy);
        EXPECT_GE(clock.elapsed(), 250);
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_TRUE(error.contains("another program")) << error.toStdString();
    }
    // A symlink to the document shares its lock.
    ASSERT_TRUE(QFile::link(doc, dir.filePath("alias.lcd")));
    EXPECT_EQ(DocumentLock(dir.filePath("alias.lcd")).LockPath(), first.LockPath());
}

TEST(DocumentLock, IsFreeAgainWhenItsHolderEndsOrDies) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("doc.lcd");
    {
        DocumentLock held(doc);
        ASSERT_EQ(held.Acquire(0), DocumentLock::Result::Locked);
    }
    EXPECT_FALSE(QFile::exists(doc + ".lock"));
    // A writer killed while it holds the lock leaves the lock file; the next one takes it over.
    const pid_t child = fork();
    if (child == 0) {
        DocumentLock held(doc);
        _exit(held.Acquire(0) == DocumentLock::Result::Locked ? 0 : 1);  // no destructor: the lock file stays
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(doc + ".lock"));
    DocumentLock next(doc);
    EXPECT_EQ(next.Acquire(1000), DocumentLock::Result::Locked);

    // Where no lock file can be made, the writer goes on and its write reports the reason.
    EXPECT_EQ(DocumentLock(dir.filePath("missing/doc.lcd")).Acquire(0), DocumentLock::Result::Unavailable);
}

}  // namespace
}  // namespace zozavud
