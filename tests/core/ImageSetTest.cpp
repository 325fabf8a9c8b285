#include <gtest/gtest.h>

#include "CharsetNames.h"
#include "ImageSet.h"
#include "ShortString.h"

namespace zozavud {
namespace {

TEST(IsPixelOn, ExactlyFourValuesAreUnlit) {
    EXPECT_FALSE(IsPixelOn(0xFFFFFF));
    EXPECT_FALSE(IsPixelOn(0x00FFFF));
    EXPECT_FALSE(IsPixelOn(0xC0C0C0));
    EXPECT_FALSE(IsPixelOn(-1));
    for (int32_t lit : {0, 1, 0x000001, 0xC0C0C1, 0xFFFFFE, 0x01FFFFFF, int32_t(0x80000000)})
        EXPECT_TRUE(IsPixelOn(lit)) << lit;
}

TEST(ShortString, ShorterTextLeavesTheOldBytesBehind) {
    ShortString s{};
    StoreShortString(s, "abcdef");
    StoreShortString(s, "ab");
    EXPECT_EQ(s.Length, 2);
    EXPECT_EQ(ShortStringBytes(s), "ab");
    EXPECT_EQ(QByteArray(s.Bytes, 6), "abcdef");
}

TEST(ShortString, LongTextKeepsItsFirst255Bytes) {
    ShortString s{};
    const QByteArray text(300, 'x');
    StoreShortString(s, text);
    EXPECT_EQ(s.Length, 255);
    EXPECT_EQ(ShortStringBytes(s), text.left(255));
    StoreShortString(s, QByteArray());
    EXPECT_EQ(ShortStringBytes(s), QByteArray());
}

TEST(CharsetName, ListedCodesAndUnknown) {
    EXPECT_STREQ(CharsetName(0), "ANSI");
    EXPECT_STREQ(CharsetName(128), "SHIFTJIS");
    EXPECT_STREQ(CharsetName(186), "BALTIC");
    EXPECT_STREQ(CharsetName(255), "OEM");
    EXPECT_STREQ(CharsetName(200), "Unknown");
}

}  // namespace
}  // namespace zozavud
