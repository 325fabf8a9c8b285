#include <gtest/gtest.h>

#include "CommandEncoder.h"
#include "PrinterTestData.h"
#include "SameBytes.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

struct GoldenCase {
    const char* Document;
    CommandKind Kind;
    int CurrentImage;
    const char* Golden;
};

// fresh.lcd: a new document (default messages, several scrolling). edited.lcd: texts
// typed into images 2, 3 and 7, image 2 blinking, image 4 WideBitmap + Blink, image 8
// Scroll + Blink, and record 12 stored with ImageNo 0. The .prn files were written once
// by `zozavud-cli command` and checked byte by byte against the command layout.
const GoldenCase GoldenCases[] = {
    {"fresh.lcd", CommandKind::RegisterAllImages, 1, "fresh_regist_all.prn"},
    {"fresh.lcd", CommandKind::RegisterImage, 7, "fresh_regist_07.prn"},
    {"fresh.lcd", CommandKind::DeleteImage, 19, "fresh_delete_19.prn"},
    {"fresh.lcd", CommandKind::DeleteAllImages, 1, "delete_all.prn"},
    {"edited.lcd", CommandKind::RegisterAllImages, 3, "edited_regist_all.prn"},
    {"edited.lcd", CommandKind::RegisterImage, 4, "edited_regist_04.prn"},
    {"edited.lcd", CommandKind::RegisterImage, 12, "edited_regist_12.prn"},
    {"edited.lcd", CommandKind::DeleteImage, 12, "edited_delete_12.prn"},
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.Golden; }

class PrinterGoldenCommandTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(PrinterGoldenCommandTest, WholeCommandMatches) {
    const GoldenCase c = GetParam();
    const auto set = test::LoadGoldenDocument(c.Document);
    ASSERT_TRUE(set) << c.Document;
    const QByteArray golden = test::ReadWholeFile(test::GoldenPath(c.Golden));
    ASSERT_EQ(golden.size(), CommandSize(c.Kind)) << c.Golden;
    test::ExpectSameBytes(BuildCommand(c.Kind, *set, c.CurrentImage), golden, c.Golden);
}

INSTANTIATE_TEST_SUITE_P(Printer, PrinterGoldenCommandTest, ::testing::ValuesIn(GoldenCases));

TEST(PrinterGoldenCommand, HandMadeRecordMatches) {
    const QByteArray golden = test::ReadWholeFile(test::GoldenPath("handmade_regist_01.prn"));
    test::ExpectSameBytes(BuildRegisterImageCommand(test::HandMadeRecord()), golden);
}

}  // namespace
}  // namespace zozavud
