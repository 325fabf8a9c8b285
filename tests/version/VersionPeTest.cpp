// Version resources of resource-only DLLs built by the mingw binutils in the test.

#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>

#include "TestFiles.h"
#include "VersionResource.h"
#include "VersionResourceFile.h"
#include "VersionResourceLocate.h"
#include "VersionResourceStrings.h"
#include "VersionTestBlocks.h"

namespace zozavud {
namespace {

const char* const Windres = "x86_64-w64-mingw32-windres";
const char* const MingwLinker = "x86_64-w64-mingw32-ld";

// Keys in other cases, an empty value, and LegalCopyright missing in the middle.
const char* const MixedRc = R"(1 VERSIONINFO
FILEVERSION 2,3,4,5
PRODUCTVERSION 6,7,8,9
FILEOS 0x40004
FILETYPE 2
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040704b0"
    BEGIN
      VALUE "companyname", "Test Maker"
      VALUE "FILEDESCRIPTION", "A test library"
      VALUE "FileVersion", ""
      VALUE "InternalName", "testlib"
      VALUE "LegalTrademarks", "TM"
      VALUE "ProductVersion", "9.9"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x0407, 1200
  END
END
)";

const char* const NoVersionRc = "1 RCDATA { \"just data\" }\n";

class PeVersionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(Windres).isEmpty() ||
            QStandardPaths::findExecutable(MingwLinker).isEmpty())
            GTEST_SKIP() << "binutils-mingw-w64-x86-64 is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    // A resource-only DLL from rc; 32-bit PE through the system linker's i386pe mode.
    QString BuildDll(const QString& name, const char* rc, bool pe32 = false) {
        const QString rcPath = dir_.filePath(name + ".rc");
        EXPECT_TRUE(test::WriteWholeFile(rcPath, rc));
        QString output;
        QStringList windres{"--preprocessor=cat", "-O", "coff", name + ".rc", name + ".o"};
        if (pe32) windres.prepend("pe-i386"), windres.prepend("-F");
        EXPECT_TRUE(test::RunTool(Windres, windres, dir_.path(), &output)) << output.toStdString();
        const QString linker = pe32 ? QStringLiteral("ld") : QString(MingwLinker);
        QStringList link{"--dll", "-e", "0", "-o", name + ".dll", name + ".o"};
        if (pe32) link.prepend("i386pe"), link.prepend("-m");
        EXPECT_TRUE(test::RunTool(linker, link, dir_.path(), &output)) << output.toStdString();
        return dir_.filePath(name + ".dll");
    }

    QTemporaryDir dir_;
};

void ExpectMixedValues(const QString& dll) {
    const VersionStringTable found = ReadVersionStrings(dll);
    EXPECT_EQ(found.Categories,
              QStringList({"CompanyName", "FileDescription", "FileVersion", "InternalName"}));
    EXPECT_EQ(found.Values, QStringList({"Test Maker", "A test library", "", "testlib"}));
}

TEST_F(PeVersionTest, StopsAtTheMissingKeyAndKeepsEmptyValues) {
    ExpectMixedValues(BuildDll("mixed", MixedRc));
}

TEST_F(PeVersionTest, ThirtyTwoBitFilesReadTheSame) { ExpectMixedValues(BuildDll("mixed32", MixedRc, true)); }

TEST_F(PeVersionTest, FixedPartAndTranslation) {
    QByteArray block;
    const QString dll = BuildDll("mixed", MixedRc);
    const uint32_t size = GetFileVersionInfoSize(dll);
    ASSERT_GT(size, 0u);
    ASSERT_TRUE(GetFileVersionInfo(dll, size, block));
    EXPECT_EQ(uint32_t(block.size()), size);
    const auto fixed = ParseFixedFileInfo(*QueryVersionValue(block, u"\\"));
    ASSERT_TRUE(fixed);
    EXPECT_EQ(FormatFixedVersion(fixed->FileVersionMS, fixed->FileVersionLS), "2.3.4.5");
    EXPECT_EQ(FormatFixedVersion(fixed->ProductVersionMS, fixed->ProductVersionLS), "6.7.8.9");
    const auto translations = ParseTranslations(*QueryVersionValue(block, u"\\VarFileInfo\\Translation"));
    ASSERT_EQ(translations.size(), 1u);
    EXPECT_EQ(translations[0].Language, 0x0407);
    EXPECT_EQ(translations[0].CodePage, 1200);
    // A smaller buffer gets only what fits.
    ASSERT_TRUE(GetFileVersionInfo(dll, 10, block));
    EXPECT_EQ(block.size(), 10);
}

TEST_F(PeVersionTest, FilesWithoutVersionInformation) {
    const QString dll = BuildDll("plain", NoVersionRc);
    EXPECT_EQ(GetFileVersionInfoSize(dll), 0u);
    EXPECT_TRUE(ReadVersionStrings(dll).Categories.isEmpty());
    QByteArray buffer("untouched");
    EXPECT_FALSE(GetFileVersionInfo(dll, 100, buffer));

    const QString text = dir_.filePath("text.txt");
    ASSERT_TRUE(test::WriteWholeFile(text, "MZ but nothing more"));
    EXPECT_EQ(GetFileVersionInfoSize(text), 0u);
    const QString empty = dir_.filePath("empty");
    ASSERT_TRUE(test::WriteWholeFile(empty, ""));
    EXPECT_EQ(GetFileVersionInfoSize(empty), 0u);
    EXPECT_EQ(GetFileVersionInfoSize(dir_.path()), 0u);
    EXPECT_EQ(GetFileVersionInfoSize(dir_.filePath("missing.dll")), 0u);
}

TEST_F(PeVersionTest, TruncatedAndMutatedFilesNeverCrash) {
    const QByteArray bytes = test::ReadWholeFile(BuildDll("mixed", MixedRc));
    ASSERT_TRUE(FindVersionBlock(bytes));
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        if (const auto block = FindVersionBlock(QByteArrayView(bytes).first(size))) {
            ASSERT_LE(block->data() + block->size(), bytes.constData() + size);
        }
    }

    QRandomGenerator random(777);
    for (int round = 0; round < 4000; ++round) {
        QByteArray mutated = bytes;
        for (int i = 0, n = 1 + int(random.bounded(6)); i < n; ++i) {
            // Aim most changes at the headers and the resource tree, where offsets live.
            const int limit = round % 2 ? 1024 : int(mutated.size());
            mutated[int(random.bounded(limit))] = char(random.bounded(256));
        }
        if (const auto block = FindVersionBlock(mutated)) {
            ASSERT_LE(block->size(), mutated.size());
            ASSERT_GE(block->data(), mutated.constData());
            ASSERT_LE(block->data() + block->size(), mutated.constData() + mutated.size());
            QueryVersionValue(*block, u"\\StringFileInfo\\040704B0\\CompanyName");
        }
    }
}

}  // namespace
}  // namespace zozavud
