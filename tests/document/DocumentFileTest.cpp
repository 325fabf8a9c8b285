// Reading and writing documents through the commands: round trip, odd files, failing saves.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>

#include "DocumentCommands.h"
#include "DocumentTestData.h"
#include "FakeDocumentUi.h"
#include "SameBytes.h"
#include "TestFiles.h"

namespace zozavud::test {
namespace {

class DocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        FillPatternedSet(*state_.Set, 1);
    }
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    EditorState state_;
    FakeDocumentUi ui_;
    DocumentCommands commands_{state_, ui_};
};

TEST_F(DocumentFileTest, SaveThenOpenRestoresTheSetByteForByte) {
    const QByteArray saved = SetBytes(*state_.Set);
    state_.Modified = true;
    ui_.SaveAnswer = PathOf("a.lcd");
    ASSERT_TRUE(commands_.SaveDocument());
    EXPECT_FALSE(state_.Modified);

    const QByteArray file = ReadWholeFile(PathOf("a.lcd"));
    EXPECT_EQ(file.size(), 1054720);
    EXPECT_TRUE(file.startsWith("LCD1"));
    EXPECT_EQ(file, saved);

    FillPatternedSet(*state_.Set, 2);
    commands_.LoadDocument(PathOf("a.lcd"));
    // Showing image 1 writes its number again; the pattern already holds 1 there.
    test::ExpectSameBytes(SetBytes(*state_.Set), saved);
    EXPECT_EQ(state_.CurrentImage, 1);
    EXPECT_EQ(ui_.Events.last(), "show:1");
}

TEST_F(DocumentFileTest, OpenTakesTheFirstBytesOfALongerFileAndAnyContent) {
    QByteArray other = PatternBytes(1054720 + 4096, 9);
    other.replace(0, 4, "ZZZZ");
    ASSERT_TRUE(WriteWholeFile(PathOf("long.lcd"), other));
    commands_.LoadDocument(PathOf("long.lcd"));

    QByteArray expected = other.left(1054720);
    expected[4096 + 2] = 1;  // ImageNo of image 1, written when it is shown
    test::ExpectSameBytes(SetBytes(*state_.Set), expected);
    EXPECT_EQ(state_.FileName, PathOf("long.lcd"));
    EXPECT_EQ(ui_.Caption, "long.lcd - ORVANEX QD-N800 Series LCD Editor");
}

TEST_F(DocumentFileTest, FirstSaveOfAFileThatWasNotADocumentAsksForTheNameFirst) {
    const struct {
        const char* Name;
        QByteArray Content;
        bool Asks;
    } cases[] = {
        {"exact", SetBytes(*state_.Set), false},
        {"longer", SetBytes(*state_.Set) + QByteArray(2 << 20, 'x'), true},
        {"signature", QByteArray("ZZZZ") + SetBytes(*state_.Set).mid(4), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString path = PathOf(c.Name);
        ASSERT_TRUE(WriteWholeFile(path, c.Content));
        commands_.LoadDocument(path);
        ui_.Events.clear();
        state_.Modified = true;
        // Cancelled: the foreign file stays as it was, and the next Save asks again.
        ui_.SaveAnswer = std::nullopt;
        EXPECT_EQ(commands_.SaveDocument(), !c.Asks);
        EXPECT_EQ(ReadWholeFile(path).size(), c.Asks ? c.Content.size() : 1054720);
        if (!c.Asks) continue;
        EXPECT_TRUE(state_.Modified);
        // Confirmed in the dialog (which asks before it overwrites): saved, and from then
        // on Save writes without a dialog.
        ui_.SaveAnswer = path;
        EXPECT_TRUE(commands_.SaveDocument());
        EXPECT_EQ(ReadWholeFile(path).size(), 1054720);
        EXPECT_TRUE(commands_.SaveDocument());
        EXPECT_EQ(ui_.Events, QStringList({"save-dialog:" + path, "save-dialog:" + path}));
    }
}

TEST_F(DocumentFileTest, SaveWaitsForAnEditOfTheSameFileAndThenGivesUp) {
    const QString path = PathOf("a.lcd");
    const QByteArray old = PatternBytes(1054720, 7);
    ASSERT_TRUE(WriteWholeFile(path, old));
    commands_.SetDocumentFileName(path);
    commands_.SetLockWait(200);
    state_.Modified = true;
    {
        DocumentLock edit(path);  // as zozavud-cli edit holds it
        ASSERT_EQ(edit.Acquire(0), DocumentLock::Result::Locked);
        EXPECT_FALSE(commands_.SaveDocument());
    }
    EXPECT_TRUE(state_.Modified);
    ExpectSameBytes(ReadWholeFile(path), old);
    ASSERT_EQ(ui_.Events.size(), 1);
    EXPECT_TRUE(ui_.Events[0].startsWith("error:Can not File save. (" + path + ")\nanother program"))
        << ui_.Events[0].toStdString();
    EXPECT_TRUE(commands_.SaveDocument());  // the edit is done
    EXPECT_FALSE(state_.Modified);
}

TEST_F(DocumentFileTest, OpenOfAFileThatCannotGiveASetChangesNothing) {
    ASSERT_TRUE(WriteWholeFile(PathOf("empty.lcd"), {}));
    ASSERT_TRUE(WriteWholeFile(PathOf("short.lcd"), PatternBytes(1054719, 3)));
    ASSERT_TRUE(WriteWholeFile(PathOf("header.lcd"), "LCD1"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.lcd"));
    ASSERT_EQ(mkfifo(PathOf("pipe.lcd").toLocal8Bit().constData(), 0600), 0);

    commands_.SetDocumentFileName(PathOf("old.lcd"));
    const QByteArray before = SetBytes(*state_.Set);
    // The fixed line, then why on a second line.
    const std::pair<const char*, const char*> cases[] = {
        {"empty.lcd", "The file has 0 bytes, fewer than the 1054720 of a document"},
        {"short.lcd", "The file has 1054719 bytes, fewer than the 1054720 of a document"},
        {"header.lcd", "The file has 4 bytes, fewer than the 1054720 of a document"},
        {"missing.lcd", "No such file or directory"},
        {"folder.lcd", "Not a regular file"},
        {"pipe.lcd", "Not a regular file"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        ui_.Events.clear();
        commands_.LoadDocument(PathOf(name));
        EXPECT_EQ(ui_.Events, QStringList{"error:Can not File open. (" + PathOf(name) + ")\n" + reason});
        test::ExpectSameBytes(SetBytes(*state_.Set), before);
        EXPECT_EQ(state_.FileName, PathOf("old.lcd"));
        EXPECT_EQ(ui_.Caption, "old.lcd - ORVANEX QD-N800 Series LCD Editor");
    }
}

TEST_F(DocumentFileTest, SaveReplacesAnOlderFileAndKeepsNoTemporaryFiles) {
    ASSERT_TRUE(WriteWholeFile(PathOf("a.lcd"), PatternBytes(2000000, 5)));
    commands_.SetDocumentFileName(PathOf("a.lcd"));
    ASSERT_TRUE(commands_.SaveDocument());
    test::ExpectSameBytes(ReadWholeFile(PathOf("a.lcd")), SetBytes(*state_.Set));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.lcd"});
}

// Runs save in a child process whose files may grow to at most limit bytes, so that the
// write fails part way. The child exits 0 when the save reported failure as it should.
int SaveInChildWithFileSizeLimit(EditorState& state, DocumentCommands& commands, FakeDocumentUi& ui,
                                 rlim_t limit) {
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) _exit(10);
        state.Modified = true;
        ui.PromptAnswer = SaveChangesAnswer::Yes;
        if (commands.AskSaveChanges()) _exit(11);  // the asking operation must not go on
        if (!state.Modified) _exit(12);
        if (ui.Events != QStringList{"prompt", "error:Can not File save. (" + state.FileName + ")"})
            _exit(13);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST_F(DocumentFileTest, SaveFailingPartWayKeepsTheOldFileAndModified) {
    const QByteArray old = PatternBytes(1054720, 6);
    ASSERT_TRUE(WriteWholeFile(PathOf("a.lcd"), old));
    commands_.SetDocumentFileName(PathOf("a.lcd"));
    for (rlim_t limit : {rlim_t{0}, rlim_t{4096}, rlim_t{1054719}}) {
        SCOPED_TRACE(limit);
        EXPECT_EQ(SaveInChildWithFileSizeLimit(state_, commands_, ui_, limit), 0);
        test::ExpectSameBytes(ReadWholeFile(PathOf("a.lcd")), old);
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.lcd"});
    }
}

// A small file system of its own, where mounting is allowed (root in a container).
class SmallFileSystem {
public:
    SmallFileSystem(const QString& where, const char* options) : where_(where) {
        QDir().mkpath(where);
        mounted_ = mount("tmpfs", where.toLocal8Bit().constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) umount2(where_.toLocal8Bit().constData(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    bool MakeReadOnly() {
        return mount("tmpfs", where_.toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
    }

private:
    QString where_;
    bool mounted_ = false;
};

TEST_F(DocumentFileTest, SaveOnAFullDiskKeepsTheOldFileAndModified) {
    SmallFileSystem disk(PathOf("disk"), "size=1200k");
    if (!disk.Mounted()) GTEST_SKIP() << "tmpfs cannot be mounted here";
    const QString path = PathOf("disk/a.lcd");
    const QByteArray old = PatternBytes(1054720, 7);
    ASSERT_TRUE(WriteWholeFile(path, old));

    commands_.SetDocumentFileName(path);
    state_.Modified = true;
    EXPECT_FALSE(commands_.SaveDocument());
    EXPECT_TRUE(state_.Modified);
    EXPECT_EQ(ui_.Events, QStringList{"error:Can not File save. (" + path + ")"});
    test::ExpectSameBytes(ReadWholeFile(path), old);
    EXPECT_EQ(QDir(PathOf("disk")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.lcd"});
}

TEST_F(DocumentFileTest, SaveIntoAReadOnlyFolderKeepsTheOldFile) {
    const QString folder = PathOf("ro");
    SmallFileSystem disk(folder, "size=4m");
    const QByteArray old = PatternBytes(100, 8);
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(WriteWholeFile(folder + "/a.lcd", old));
    // Root passes permission checks; only a read-only mount stops it.
    const bool readOnly = geteuid() == 0 ? disk.Mounted() && disk.MakeReadOnly()
                                         : chmod(folder.toLocal8Bit().constData(), 0555) == 0;
    if (!readOnly) GTEST_SKIP() << "no way to make a folder read-only here";

    state_.Modified = true;
    ui_.SaveAnswer = folder + "/a.lcd";
    EXPECT_FALSE(commands_.SaveDocumentAs());
    EXPECT_TRUE(state_.Modified);
    EXPECT_EQ(ui_.Events.last(), "error:Can not File save. (" + folder + "/a.lcd)");
    test::ExpectSameBytes(ReadWholeFile(folder + "/a.lcd"), old);
    // The chosen name stays, as after any Save As.
    EXPECT_EQ(state_.FileName, folder + "/a.lcd");
    EXPECT_EQ(ui_.Caption, "a.lcd - ORVANEX QD-N800 Series LCD Editor");
    chmod(folder.toLocal8Bit().constData(), 0755);
}

TEST_F(DocumentFileTest, SaveToAPathThatCannotBeCreatedReportsIt) {
    for (const QString& path :
         {PathOf("no/such/folder/a.lcd"), PathOf(""), QStringLiteral("/proc/zozavud-test.lcd")}) {
        SCOPED_TRACE(path.toStdString());
        ui_.Events.clear();
        state_.Modified = true;
        commands_.SetDocumentFileName(path);
        EXPECT_FALSE(commands_.SaveDocument());
        EXPECT_TRUE(state_.Modified);
        EXPECT_EQ(ui_.Events, QStringList{"error:Can not File save. (" + path + ")"});
    }
}

}  // namespace
}  // namespace zozavud::test
