#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "AtomicFile.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

// "mode owner:group"
QString PermissionsOf(const QString& path) {
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0) return "missing";
    return QString::asprintf("%o %u:%u", info.st_mode & 07777, info.st_uid, info.st_gid);
}

// The temporary file renamed over the document was ours with the default mode: a shared
// document became its editor's own and a read-only one writable.
TEST(WriteFileAtomically, AReplacedFileKeepsItsModeOwnerAndGroup) {
    // Only root may give a file to another owner or to any group; 100 and 65534 need no
    // name in the system's lists for that.
    const bool root = geteuid() == 0;
    const uid_t other = root ? 65534 : getuid();
    const gid_t shared = root ? 100 : getgid();
    const struct {
        const char* What;
        unsigned Mode;
        uid_t Owner;
        gid_t Group;
        bool ThroughLink;
    } cases[] = {
        {"shared with a group", 0660, getuid(), shared, false},
        {"read-only", 0444, getuid(), getgid(), false},
        {"another's, group-readable", 0640, other, shared, false},
        {"executable and set-group-id", 02755, getuid(), shared, false},
        {"behind a symlink", 0600, other, shared, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString file = dir.filePath("doc.lcd");
        ASSERT_TRUE(test::WriteWholeFile(file, "old"));
        ASSERT_EQ(chown(QFile::encodeName(file).constData(), c.Owner, c.Group), 0) << c.What;
        ASSERT_EQ(chmod(QFile::encodeName(file).constData(), c.Mode), 0) << c.What;
        const QString before = PermissionsOf(file);
        const QString target = c.ThroughLink ? dir.filePath("link.lcd") : file;
        ASSERT_TRUE(!c.ThroughLink || QFile::link(file, target)) << c.What;
        QString error;
        if (!root && c.Mode == 0444) {
            EXPECT_FALSE(WriteFileAtomically(target, "new", &error)) << c.What;  // as before
            continue;
        }
        ASSERT_TRUE(WriteFileAtomically(target, "new", &error)) << c.What << ": " << error.toStdString();
        EXPECT_EQ(test::ReadWholeFile(file), "new") << c.What;
        EXPECT_EQ(PermissionsOf(file), before) << c.What;
        EXPECT_EQ(QFileInfo(target).isSymLink(), c.ThroughLink) << c.What;
    }
    // A new file gets what the umask gives, as any other program's.
    QTemporaryDir dir;
    const mode_t oldMask = umask(027);
    const bool written = WriteFileAtomically(dir.filePath("new.lcd"), "new");
    umask(oldMask);
    ASSERT_TRUE(written);
    EXPECT_EQ(PermissionsOf(dir.filePath("new.lcd")), QString::asprintf("640 %u:%u", geteuid(), getegid()));
}

}  // namespace
}  // namespace zozavud
