// TGetVersionInfoFromFile on this test program, which links the editor's version block.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "getver.h"

namespace zozavud {
namespace {

const QStringList EditorKeys = {"CompanyName",      "FileDescription", "FileVersion",
                                "InternalName",     "LegalCopyright",  "LegalTrademarks",
                                "OriginalFilename", "ProductName",     "ProductVersion"};

TEST(GetVersionInfo, ReadsUpToTheFirstAbsentKey) {
    TGetVersionInfoFromFile info;
    info.setFileName(QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.fileName(), QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.VersionCategories(), EditorKeys);
    ASSERT_EQ(info.VersionStrings().size(), EditorKeys.size());
    EXPECT_EQ(info.VersionStrings()[2], ZOZAVUD_EXPECTED_FILE_VERSION);
    EXPECT_EQ(info.GetVersionValue("PrivateBuild"), "");
    EXPECT_EQ(info.GetVersionValue("Comments"), "");  // present in the block, never read
}

TEST(GetVersionInfo, LookupIgnoresAsciiCaseOnly) {
    TGetVersionInfoFromFile info;
    info.setFileName(QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.GetVersionValue("fileversion"), ZOZAVUD_EXPECTED_FILE_VERSION);
    EXPECT_EQ(info.GetVersionValue("FILEDESCRIPTION"), "ORVANEX QD-N800 Series LCD Editor");
    EXPECT_EQ(info.GetVersionValue("cOMPANYnAME"), "ORVANEX");
    // The Kelvin sign lower-cases to 'k' only outside ASCII rules.
    EXPECT_EQ(info.GetVersionValue(QString::fromUtf16(u"LegalTrademar\u212As")), "");
    EXPECT_EQ(info.GetVersionValue("FileVersion "), "");
    EXPECT_EQ(info.GetVersionValue(""), "");
}

TEST(GetVersionInfo, ReadingAgainLeavesNoDuplicates) {
    TGetVersionInfoFromFile info;
    info.setFileName(QCoreApplication::applicationFilePath());
    info.setFileName(QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.VersionCategories(), EditorKeys);
    info.ReadVersionInfo();
    info.ReadVersionInfo();
    EXPECT_EQ(info.VersionCategories(), EditorKeys);
    EXPECT_EQ(info.VersionStrings().size(), EditorKeys.size());
}

TEST(GetVersionInfo, NamesOfNoFileClearEverything) {
    QTemporaryDir dir;
    TGetVersionInfoFromFile info;
    for (const QString& path : {dir.filePath("missing.exe"), dir.path(), QString()}) {
        info.setFileName(QCoreApplication::applicationFilePath());
        ASSERT_FALSE(info.VersionCategories().isEmpty());
        info.setFileName(path);
        EXPECT_EQ(info.fileName(), "") << path.toStdString();
        EXPECT_TRUE(info.VersionCategories().isEmpty());
        EXPECT_TRUE(info.VersionStrings().isEmpty());
    }
}

TEST(GetVersionInfo, FileWithoutVersionInformationKeepsItsName) {
    QTemporaryDir dir;
    const QString text = dir.filePath("readme.txt");
    ASSERT_TRUE(test::WriteWholeFile(text, "text"));
    TGetVersionInfoFromFile info;
    info.setFileName(text);
    EXPECT_EQ(info.fileName(), text);
    EXPECT_TRUE(info.VersionCategories().isEmpty());
    EXPECT_EQ(info.GetVersionValue("CompanyName"), "");
}

TEST(GetVersionInfo, ListsCannotBeReplaced) {
    TGetVersionInfoFromFile info;
    info.setProperty("fileName", QCoreApplication::applicationFilePath());
    EXPECT_FALSE(info.setProperty("VersionStrings", QStringList{"x"}));
    EXPECT_FALSE(info.setProperty("VersionCategories", QStringList{"y"}));
    EXPECT_EQ(info.property("VersionCategories").toStringList(), EditorKeys);
}

}  // namespace
}  // namespace zozavud
