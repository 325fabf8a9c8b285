#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "AtomicFile.h"
#include "SingleInstance.h"
#include "SystemLocale.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

TEST(LocaleIdFromName, PosixAndIcuNames) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"ja_JP.UTF-8", 0x0411}, {"ja_JP", 0x0411},          {"de_DE@collation=phonebook", 0x10407},
        {"de_DE.UTF-8", 0x0407}, {"fr_CA.UTF-8", 0x0C0C},    {"zh_TW.UTF-8", 0x0404},
        {"en_US.UTF-8", 0x0409}, {"C", 0x0409},              {"POSIX", 0x0409},
        {"C.UTF-8", 0x0409},     {"", 0x0409},               {"xx_YY", 0x0409},
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

TEST(SingleInstance, SecondCopyIsRefusedAndAStaleLockIsTakenOver) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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

}  // namespace
}  // namespace zozavud
