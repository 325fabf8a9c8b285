#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <deque>

#include "CommandFile.h"
#include "CommandFileName.h"
#include "FileNamePart.h"
#include "PrinterTestData.h"
#include "SameBytes.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using test::ReadWholeFile;
using test::WriteWholeFile;

class PrinterCommandFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        set_ = std::make_unique<ImageSet>();
        for (int n = 1; n <= ImageCount; ++n) {
            set_->Record(n) = test::HandMadeRecord();
            set_->Record(n).ImageNo = static_cast<uint8_t>(n);
        }
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    bool Write(CommandKind kind, const QString& path) {
        return WriteCommandFile(kind, *set_, 7, path, [&](const QString& m) { messages_ << m; });
    }

    QTemporaryDir dir_;
    std::unique_ptr<ImageSet> set_;
    QStringList messages_;
};

TEST(PrinterDefaultCommandFileName, TwoDigitNumbers) {
    EXPECT_EQ(DefaultCommandFileName(CommandKind::RegisterImage, 7), "regist_07.prn");
    EXPECT_EQ(DefaultCommandFileName(CommandKind::RegisterImage, 19), "regist_19.prn");
    EXPECT_EQ(DefaultCommandFileName(CommandKind::RegisterAllImages, 7), "regist_all.prn");
    EXPECT_EQ(DefaultCommandFileName(CommandKind::DeleteImage, 1), "delete_01.prn");
    EXPECT_EQ(DefaultCommandFileName(CommandKind::DeleteAllImages, 7), "delete_all.prn");
}

TEST_F(PrinterCommandFileTest, ReplacesALongerFileWhole) {
    const QString path = Path("out.prn");
    ASSERT_TRUE(Write(CommandKind::RegisterAllImages, path));
    ASSERT_EQ(QFileInfo(path).size(), 19627);
    ASSERT_TRUE(Write(CommandKind::DeleteAllImages, path));
    test::ExpectSameBytes(ReadWholeFile(path), BuildDeleteAllImagesCommand());
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"out.prn"});
}

TEST_F(PrinterCommandFileTest, FailuresNameThePathAndKeepTheOldFile) {
    const QString missing = Path("no-such-folder/regist_07.prn");
    EXPECT_FALSE(Write(CommandKind::RegisterImage, missing));
    EXPECT_FALSE(QFileInfo::exists(missing));

    // A folder where the file should be.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.prn"));
    EXPECT_FALSE(Write(CommandKind::DeleteAllImages, Path("taken.prn")));
    EXPECT_TRUE(QFileInfo(Path("taken.prn")).isDir());

    EXPECT_EQ(messages_, QStringList({"Can not File open. (" + missing + ")",
                                      "Can not File open. (" + Path("taken.prn") + ")"}));
}

// Root passes every permission check, so the write runs in a child that has become
// "nobody". The child reports through its exit code only.
TEST_F(PrinterCommandFileTest, UnwritableFolderOrFileGivesTheMessage) {
    const QString lockedDir = Path("locked"), openDir = Path("open");
    ASSERT_TRUE(QDir().mkdir(lockedDir) && QDir().mkdir(openDir));
    const QString inLocked = lockedDir + "/old.prn", readOnly = openDir + "/old.prn";
    const QByteArray old = "older content";
    ASSERT_TRUE(WriteWholeFile(inLocked, old) && WriteWholeFile(readOnly, old));
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(lockedDir).constData(), 0555), 0);
    ASSERT_EQ(chmod(QFile::encodeName(openDir).constData(), 0777), 0);
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);

    auto tryBoth = [&] {
        int failures = 0;
        for (const QString& path : {inLocked, readOnly}) {
            messages_.clear();
            if (Write(CommandKind::RegisterAllImages, path)) failures |= 1;
            if (messages_ != QStringList{"Can not File open. (" + path + ")"}) failures |= 2;
        }
        return failures;
    };
    if (geteuid() != 0) {
        EXPECT_EQ(tryBoth(), 0) << "1: a write succeeded, 2: wrong message";
    } else {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(10);
            _exit(tryBoth());
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: a write succeeded, 2: wrong message, 10: no setuid";
    }
    test::ExpectSameBytes(ReadWholeFile(inLocked), old, "in the locked folder");
    test::ExpectSameBytes(ReadWholeFile(readOnly), old, "read-only");
    EXPECT_EQ(QDir(lockedDir).entryList(QDir::Files), QStringList{"old.prn"});
    EXPECT_EQ(QDir(openDir).entryList(QDir::Files), QStringList{"old.prn"});
    chmod(QFile::encodeName(lockedDir).constData(), 0755);
}

// The one rule for the caption and the command-file names.
TEST(FileNamePart, AfterTheLastSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"regist_07.prn", "regist_07.prn"},
        {"/tmp/a/regist_07.prn", "regist_07.prn"},
        {"C:\\out\\delete_all.prn", "delete_all.prn"},
        {"C:regist_all.prn", "regist_all.prn"},
        {"/tmp/dir/", ""},
        {"", ""},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(FileNamePart(path), name) << path;
}

// Answers the dialog from a script and records what it was asked to propose.
class ScriptedChooser : public CommandFileChooser {
public:
    std::optional<QString> ChooseSavePath(const QString& fileName) override {
        proposed << fileName;
        const std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList proposed;
    std::deque<std::optional<QString>> answers;
};

TEST_F(PrinterCommandFileTest, NameKeeperFollowsTheUsersChoices) {
    CommandFileNameKeeper keeper;
    ScriptedChooser chooser;
    auto create = [&](CommandKind kind, std::optional<QString> answer) {
        chooser.answers.push_back(std::move(answer));
        keeper.CreateCommandFile(kind, *set_, 7, chooser, [&](const QString& m) { messages_ << m; });
        return chooser.proposed.takeLast();
    };
    using K = CommandKind;
    const QString custom = Path("custom.prn");

    EXPECT_EQ(create(K::RegisterImage, Path("regist_07.prn")), "regist_07.prn");
    EXPECT_EQ(keeper.FileName(), "");
    test::ExpectSameBytes(ReadWholeFile(Path("regist_07.prn")), BuildCommand(K::RegisterImage, *set_, 7));
    EXPECT_EQ(create(K::RegisterAllImages, std::nullopt), "regist_all.prn");
    EXPECT_EQ(keeper.FileName(), "");  // cancel restores the empty name
    EXPECT_EQ(create(K::DeleteImage, std::nullopt), "delete_07.prn");

    EXPECT_EQ(create(K::DeleteImage, custom), "delete_07.prn");
    EXPECT_EQ(keeper.FileName(), custom);
    for (const K kind : {K::RegisterImage, K::RegisterAllImages, K::DeleteImage, K::DeleteAllImages}) {
        EXPECT_EQ(create(kind, custom), custom);
        test::ExpectSameBytes(ReadWholeFile(custom), BuildCommand(kind, *set_, 7));
    }
    EXPECT_EQ(create(K::RegisterImage, std::nullopt), custom);
    EXPECT_EQ(keeper.FileName(), custom);

    // The default name in other case is a name of the user's own.
    EXPECT_EQ(create(K::RegisterImage, Path("REGIST_07.prn")), custom);
    EXPECT_EQ(keeper.FileName(), Path("REGIST_07.prn"));
    // Saving under this kind's default forgets the name even if the write fails.
    const QString unwritable = Path("missing/delete_all.prn");
    EXPECT_EQ(create(K::DeleteAllImages, unwritable), Path("REGIST_07.prn"));
    EXPECT_EQ(keeper.FileName(), "");
    EXPECT_EQ(messages_, QStringList{"Can not File open. (" + unwritable + ")"});
    EXPECT_EQ(create(K::RegisterAllImages, std::nullopt), "regist_all.prn");
}

}  // namespace
}  // namespace zozavud
