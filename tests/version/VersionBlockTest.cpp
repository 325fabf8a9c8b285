// Queries into version blocks: paths, case, value lengths, and malformed bytes.

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "VersionResource.h"
#include "VersionResourceLocate.h"
#include "VersionTestBlocks.h"

namespace zozavud {
namespace {

using test::Serialize;
using test::StringNode;
using test::StringNodeWithLength;
using test::VersionRoot;

QByteArray SampleBlock() {
    return Serialize(
        VersionRoot("040904E4",
                    {StringNode("CompanyName", "Maker"), StringNodeWithLength("FileVersion", "", 0),
                     StringNode("InternalName", ""), StringNode("ProductName", "Prod\u00e9")},
                    0x0409, 0x04E4));
}

TEST(VersionBlockQuery, RootGivesTheFixedPart) {
    const auto root = QueryVersionValue(SampleBlock(), u"\\");
    ASSERT_TRUE(root);
    EXPECT_FALSE(root->IsText);
    EXPECT_EQ(root->Length, FixedFileInfoSize);
    const auto fixed = ParseFixedFileInfo(*root);
    ASSERT_TRUE(fixed);
    EXPECT_EQ(FormatFixedVersion(fixed->FileVersionMS, fixed->FileVersionLS), "1.0.1.28");
}

TEST(VersionBlockQuery, TranslationGivesLanguageAndCodePage) {
    const auto value = QueryVersionValue(SampleBlock(), u"\\VarFileInfo\\Translation");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->Length, 4);
    const auto translations = ParseTranslations(*value);
    ASSERT_EQ(translations.size(), 1u);
    EXPECT_EQ(translations[0].Language, 0x0409);
    EXPECT_EQ(translations[0].CodePage, 0x04E4);
}

TEST(VersionBlockQuery, StringValuesAndTheirLengths) {
    const QByteArray block = SampleBlock();
    const auto company = QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\CompanyName");
    ASSERT_TRUE(company);
    EXPECT_TRUE(company->IsText);
    EXPECT_EQ(company->Length, 6);  // characters, with the NUL
    EXPECT_EQ(VersionValueText(*company), "Maker");
    EXPECT_EQ(VersionValueText(*QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\ProductName")),
              QString("Prod\u00e9"));

    const auto zeroLength = QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\FileVersion");
    ASSERT_TRUE(zeroLength);
    EXPECT_EQ(zeroLength->Length, 0);
    EXPECT_EQ(VersionValueText(*zeroLength), "");
    const auto nulOnly = QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\InternalName");
    ASSERT_TRUE(nulOnly);
    EXPECT_EQ(nulOnly->Length, 1);
    EXPECT_EQ(VersionValueText(*nulOnly), "");
}

TEST(VersionBlockQuery, KeysAndBlockNamesMatchWithoutCase) {
    const QByteArray block = SampleBlock();
    for (const char16_t* path :
         {u"\\stringfileinfo\\040904e4\\companyname", u"\\STRINGFILEINFO\\040904E4\\COMPANYNAME",
          u"StringFileInfo\\040904E4\\CompanyName", u"\\\\StringFileInfo\\\\040904E4\\CompanyName\\"}) {
        const auto value = QueryVersionValue(block, path);
        ASSERT_TRUE(value) << QString::fromUtf16(path).toStdString();
        EXPECT_EQ(VersionValueText(*value), "Maker");
    }
}

TEST(VersionBlockQuery, MissingPartsFail) {
    const QByteArray block = SampleBlock();
    EXPECT_FALSE(QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\PrivateBuild"));
    EXPECT_FALSE(QueryVersionValue(block, u"\\StringFileInfo\\04090000\\CompanyName"));
    EXPECT_FALSE(QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\Company"));
    EXPECT_FALSE(QueryVersionValue(block, u"\\VarFileInfo\\Translation\\More"));
    EXPECT_FALSE(QueryVersionValue(QByteArray(), u"\\"));
}

TEST(VersionBlockQuery, RootMustBeAVersionBlock) {
    test::TestNode root = VersionRoot("040904E4", {StringNode("CompanyName", "Maker")}, 0x0409, 0x04E4);
    root.Key = "SOMETHING_ELSE";
    EXPECT_FALSE(QueryVersionValue(Serialize(root), u"\\"));
    const QByteArray bytes = Serialize(root);
    EXPECT_FALSE(TrimToVersionBlock(bytes));
}

TEST(VersionBlockQuery, TrimKeepsTheBlockOnly) {
    const QByteArray block = SampleBlock();
    const QByteArray padded = block + QByteArray(100, 'x');
    const auto trimmed = TrimToVersionBlock(padded);
    ASSERT_TRUE(trimmed);
    EXPECT_EQ(trimmed->size(), block.size());
}

TEST(VersionBlockMalformed, ValueLongerThanItsNodeIsCut) {
    test::TestNode company = StringNode("CompanyName", "Maker");
    company.ValueLength = 500;
    const QByteArray block = Serialize(VersionRoot("040904E4", {company}, 0x0409, 0x04E4));
    const auto value = QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\CompanyName");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->Length, 500);
    EXPECT_EQ(VersionValueText(*value), "Maker");
    EXPECT_LE(value->Data.size(), 12);
}

TEST(VersionBlockMalformed, ShortOrZeroNodeLengthsEndTheWalk) {
    QByteArray block = SampleBlock();
    // The first string node follows the table's 8-character key: find it by its key.
    const QByteArray key = test::Utf16Value("CompanyName");
    const qsizetype at = block.indexOf(key) - 6;
    ASSERT_GT(at, 0);
    for (uint8_t length : {0, 1, 5}) {
        QByteArray broken = block;
        broken[at] = char(length);
        broken[at + 1] = 0;
        EXPECT_FALSE(QueryVersionValue(broken, u"\\StringFileInfo\\040904E4\\ProductName"));
        EXPECT_TRUE(QueryVersionValue(broken, u"\\"));
    }
}

TEST(VersionBlockMalformed, EveryPrefixIsSafe) {
    const QByteArray block = SampleBlock();
    for (qsizetype size = 0; size <= block.size(); ++size) {
        const QByteArray prefix = block.left(size);
        for (const char16_t* path :
             {u"\\", u"\\VarFileInfo\\Translation", u"\\StringFileInfo\\040904E4\\ProductName"}) {
            const auto value = QueryVersionValue(prefix, path);
            if (value) VersionValueText(*value);
        }
    }
    EXPECT_TRUE(QueryVersionValue(block, u"\\StringFileInfo\\040904E4\\ProductName"));
}

TEST(VersionBlockMalformed, RandomMutationsAreSafe) {
    const QByteArray block = SampleBlock();
    QRandomGenerator random(20240508);
    for (int round = 0; round < 5000; ++round) {
        QByteArray mutated = block;
        const int changes = 1 + int(random.bounded(8));
        for (int i = 0; i < changes; ++i)
            mutated[int(random.bounded(int(mutated.size())))] = char(random.bounded(256));
        if (round % 7 == 0) mutated.truncate(int(random.bounded(int(mutated.size()))));
        for (const char16_t* path :
             {u"\\", u"\\VarFileInfo\\Translation", u"\\StringFileInfo\\040904E4\\CompanyName",
              u"\\StringFileInfo\\040904E4\\ProductName"}) {
            const auto value = QueryVersionValue(mutated, path);
            if (!value) continue;
            VersionValueText(*value);
            ParseFixedFileInfo(*value);
            ParseTranslations(*value);
            EXPECT_LE(value->Data.size(), mutated.size());
        }
    }
}

}  // namespace
}  // namespace zozavud
