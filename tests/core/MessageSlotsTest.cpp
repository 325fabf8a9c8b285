#include <gtest/gtest.h>

#include "MessageSlots.h"

namespace zozavud {
namespace {

constexpr MessageLanguage AllLanguages[] = {
    MessageLanguage::English, MessageLanguage::Japanese, MessageLanguage::French, MessageLanguage::German,
    MessageLanguage::Spanish, MessageLanguage::Italian,  MessageLanguage::Chinese};

TEST(MessageSlots, LineCountsAndEmptySecondLines) {
    for (int slot = 1; slot <= 19; ++slot) {
        const bool oneLine = slot == 2 || slot == 3 || slot == 4 || slot == 5 || slot == 13;
        EXPECT_EQ(SlotLineCount(slot), oneLine ? 1 : 2) << slot;
        for (MessageLanguage language : AllLanguages) {
            EXPECT_FALSE(DefaultText(slot, language, 1).isEmpty());
            EXPECT_EQ(DefaultText(slot, language, 2).isEmpty(), oneLine) << slot;
        }
    }
}

TEST(MessageSlots, SharedTexts) {
    for (MessageLanguage language : AllLanguages) {
        EXPECT_EQ(DefaultText(1, language, 1), "ORVANEX");
        EXPECT_EQ(DefaultText(1, language, 2), "QD-N801");
        EXPECT_EQ(DefaultText(8, language, 1), DefaultText(9, language, 1));
        EXPECT_EQ(DefaultText(8, language, 2), DefaultText(9, language, 2));
        for (int slot = 15; slot <= 19; ++slot)
            EXPECT_EQ(DefaultText(slot, language, 2), DefaultText(14, language, 2));
    }
    for (MessageLanguage language : {MessageLanguage::French, MessageLanguage::German,
                                     MessageLanguage::Spanish, MessageLanguage::Italian})
        EXPECT_EQ(DefaultText(19, language, 1), "System Error");
    EXPECT_EQ(DefaultText(2, MessageLanguage::German, 1), "Online");
    EXPECT_EQ(DefaultText(10, MessageLanguage::English, 2), "Open paper cover & remove jam.");
}

TEST(MessageSlots, StoredBytesAreTheFirmwaresCodePages) {
    // German slots 7-9 carry E1 (á in 1252), not DF.
    for (int slot = 7; slot <= 9; ++slot) {
        const QByteArray bytes = DefaultTextBytes(slot, MessageLanguage::German, 2);
        EXPECT_TRUE(bytes.contains('\xE1')) << slot;
        EXPECT_FALSE(bytes.contains('\xDF')) << slot;
    }
    // Half-width katakana stay single bytes A1..DF in Shift-JIS.
    const QByteArray macro = DefaultTextBytes(4, MessageLanguage::Japanese, 1);
    EXPECT_EQ(macro.left(3), QByteArray("\xCF\xB8\xDB"));
    EXPECT_EQ(macro.size(), 3 + 6);
    EXPECT_EQ(DefaultTextBytes(2, MessageLanguage::Chinese, 1), QByteArray("\xC1\xAA\xBB\xFA"));
}

}  // namespace
}  // namespace zozavud
