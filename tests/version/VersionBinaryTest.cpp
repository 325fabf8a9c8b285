// The version block the build embeds in the editor.

#include <gtest/gtest.h>

#include "VersionResource.h"
#include "VersionResourceFile.h"
#include "VersionResourceStrings.h"

namespace zozavud {
namespace {

const QString EditorBinary = QStringLiteral(ZOZAVUD_BINARY_DIR "/bin/zozavud" ZOZAVUD_EXE_SUFFIX);

TEST(EditorVersionBlock, HoldsTheEditorsValues) {
    const VersionStringTable found = ReadVersionStrings(EditorBinary);
    // Reading stops at the absent PrivateBuild, so Comments is never reached.
    EXPECT_EQ(found.Categories,
              QStringList({"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
                           "LegalTrademarks", "OriginalFilename", "ProductName", "ProductVersion"}));
    EXPECT_EQ(found.Values, QStringList({ZOZAVUD_EXPECTED_COMPANY, ZOZAVUD_EXPECTED_DESCRIPTION,
                                         ZOZAVUD_EXPECTED_FILE_VERSION, "ZozAvud",
                                         ("Copyright (C) " ZOZAVUD_EXPECTED_COMPANY), "", "", "",
                                         ZOZAVUD_EXPECTED_PRODUCT_VERSION}));
}

TEST(EditorVersionBlock, FixedPartTranslationAndAbsentKeys) {
    QByteArray block;
    ASSERT_TRUE(GetFileVersionInfo(EditorBinary, GetFileVersionInfoSize(EditorBinary), block));
    const auto fixed = ParseFixedFileInfo(*QueryVersionValue(block, u"\\"));
    ASSERT_TRUE(fixed);
    EXPECT_EQ(FormatFixedVersion(fixed->FileVersionMS, fixed->FileVersionLS), ZOZAVUD_EXPECTED_FILE_VERSION);
    EXPECT_EQ(FormatFixedVersion(fixed->ProductVersionMS, fixed->ProductVersionLS),
              ZOZAVUD_EXPECTED_FILE_VERSION);
    const auto translations = ParseTranslations(*QueryVersionValue(block, u"\\VarFileInfo\\Translation"));
    ASSERT_EQ(translations.size(), 1u);
    EXPECT_EQ(translations[0].Language, 0x0409);
    EXPECT_EQ(translations[0].CodePage, 0x04E4);
    EXPECT_FALSE(QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\PrivateBuild"));
    EXPECT_FALSE(QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\SpecialBuild"));
    const auto comments = QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\Comments");
    ASSERT_TRUE(comments);
    EXPECT_EQ(comments->Length, 1);
}

}  // namespace
}  // namespace zozavud
