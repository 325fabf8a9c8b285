// The version section of ELF files: objects that objcopy makes from a block, in either
// class.

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "SameBytes.h"
#include "TestFiles.h"
#include "VersionResource.h"
#include "VersionResourceFile.h"
#include "VersionResourceLocate.h"
#include "VersionResourceStrings.h"
#include "VersionSection.h"
#include "VersionTestBlocks.h"

namespace zozavud {
namespace {

class ElfObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("objcopy").isEmpty()) GTEST_SKIP() << "objcopy is not installed";
        ASSERT_TRUE(dir_.isValid());
        block_ = test::Serialize(
            test::VersionRoot("040904E4", {test::StringNode("CompanyName", "Elf Maker")}, 0x0409, 0x04E4));
        ASSERT_TRUE(test::WriteWholeFile(dir_.filePath("block.bin"), block_));
    }

    // An object whose only data section is the block, under the given section name.
    QByteArray MakeObject(const QString& format, const QString& section = VersionSectionName) {
        const QString name = format + ".o";
        QString output;
        EXPECT_TRUE(
            test::RunTool("objcopy",
                          {"-I", "binary", "-O", format, "--rename-section",
                           ".data=" + section + ",alloc,load,readonly,data,contents", "block.bin", name},
                          dir_.path(), &output))
            << output.toStdString();
        return test::ReadWholeFile(dir_.filePath(name));
    }

    QTemporaryDir dir_;
    QByteArray block_;
};

TEST_F(ElfObjectTest, BothClassesAreRead) {
    for (const char* format : {"elf64-x86-64", "elf32-i386"}) {
        const QByteArray object = MakeObject(format);
        const auto block = FindVersionBlock(object);
        ASSERT_TRUE(block) << format;
        test::ExpectSameBytes(block->toByteArray(), block_, format);
    }
}

TEST_F(ElfObjectTest, OtherSectionsAndBigEndianFilesHaveNone) {
    for (const QByteArray& object :
         {MakeObject("elf64-x86-64", ".zozavud.other"), MakeObject("elf64-x86-64", ".zozavud.versions"),
          MakeObject("elf32-big")})
        EXPECT_FALSE(FindVersionBlock(object));
}

TEST_F(ElfObjectTest, TruncatedAndMutatedFilesNeverCrash) {
    for (const char* format : {"elf64-x86-64", "elf32-i386"}) {
        const QByteArray bytes = MakeObject(format);
        ASSERT_TRUE(FindVersionBlock(bytes));
        for (qsizetype size = 0; size < bytes.size(); ++size) {
            if (const auto block = FindVersionBlock(QByteArrayView(bytes).first(size))) {
                ASSERT_LE(block->data() + block->size(), bytes.constData() + size);
            }
        }
        QRandomGenerator random(4242);
        for (int round = 0; round < 4000; ++round) {
            QByteArray mutated = bytes;
            for (int i = 0, n = 1 + int(random.bounded(6)); i < n; ++i)
                mutated[int(random.bounded(int(mutated.size())))] = char(random.bounded(256));
            if (const auto block = FindVersionBlock(mutated)) {
                ASSERT_GE(block->data(), mutated.constData());
                ASSERT_LE(block->data() + block->size(), mutated.constData() + mutated.size());
            }
        }
    }
}

}  // namespace
}  // namespace zozavud
