// The platform's conversions, checked against its published code page and best fit tables.
#include <gtest/gtest.h>

#include "CodePage.h"

namespace zozavud {
namespace {

enum Direction { Writes, Reads, Both };

struct Case {
    uint8_t Charset;
    const char* Text;
    QByteArray Bytes;
    Direction Way;
};

void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.Text);
        if (c.Way != Reads) {
            EXPECT_EQ(EncodeText(text, c.Charset).toHex(' ').toStdString(), c.Bytes.toHex(' ').toStdString())
                << c.Text;
        }
        if (c.Way != Writes) {
            EXPECT_EQ(DecodeText(c.Bytes, c.Charset), text) << c.Bytes.toHex(' ').data();
        }
    }
}

TEST(CodePageTable, WindowsPagesWriteLookAlikesAndReadUndefinedBytesAsPrivateUse) {
    Check({
        {0, "Łódź", QByteArray("\x4C\xF3\x64\x7A"), Writes},  // best fit: Ł as L, ź as z
        {0, "Ā！", QByteArray("A!"), Writes},                 // full-width forms as ASCII
        {0, "€\u0081", QByteArray("\x80\x81"), Both},         // 81 is kept as U+0081
        {0, "联", QByteArray("?"), Writes},
        {0, "😀", QByteArray("??"), Writes},  // each half of the pair
        {238, "Ł", QByteArray("\xA3"), Both},
        {204, "Ж", QByteArray("\xC6"), Both},
        {162, "ğ", QByteArray("\xF0"), Both},
        {178, "ب", QByteArray("\xC8"), Both},
        {222, "ก", QByteArray("\xA1"), Both},
        {163, "₫", QByteArray("\xFE"), Both},
        {161, "\uF8F9", QByteArray("\xAA"), Both},  // undefined bytes: private-use characters
        {177, "\uF894", QByteArray("\xFB"), Both},
        {186, "\uF8FC", QByteArray("\xA1"), Both},
        {222, "\uF8C1", QByteArray("\xDB"), Reads},
    });
}

TEST(CodePageTable, DoubleBytePagesWriteLookAlikesAndReadUndefinedPairsAsOneDefaultCharacter) {
    Check({
        {128, "¥100 £5 ¢", QByteArray("\x5C\x31\x30\x30\x20\x81\x92\x35\x20\x81\x91"), Writes},
        {128, "¬～", QByteArray("\x81\xCA\x81\x60"), Writes},
        {128, "\x7F\x1A\x1C", QByteArray("\x7F\x1A\x1C"), Both},  // controls not swapped
        {128, "\uF86F", QByteArray("?"), Writes},
        {128, "亜黑\uE000", QByteArray("\x88\x9F\xFC\x4B\xF0\x40"), Both},  // first, last and user rows
        {128, "ｱあ", QByteArray("\xB1\x82\xA0"), Both},
        {128, "・", QByteArray("\x81\xAD"), Reads},  // undefined pair: the page's default character
        {128, "A・", QByteArray("A\x81 "), Reads},   // a lead byte and a space are one pair
        {128, "A・", QByteArray("A\x81"), Reads},    // a lead byte at the end
        {128, "\uF8F0\uF8F1", QByteArray("\xA0\xFD"), Reads},
        {134, "¥£", QByteArray("\xA3\xA4\xA1\xEA"), Writes},
        {134, "€联\u3000", QByteArray("\x80\xC1\xAA\xA1\xA1"), Both},
        {134, "?", QByteArray("\x82"), Reads},
        {134, "?", QByteArray("\xA1\x20"), Reads},
        {129, "가갂詰", QByteArray("\xB0\xA1\x81\x41\xFD\xFE"), Both},
        {129, "?", QByteArray("\xA1\x20"), Reads},
        {136, "一\u3000龘", QByteArray("\xA4\x40\xA1\x40\xF9\xD5"), Both},
        {130, "가", QByteArray("\x88\x61"), Both},  // Johab
        {130, "₩", QByteArray("\x5C"), Writes},
    });
    // A lead byte before a 0 is no pair.
    EXPECT_EQ(DecodeText(QByteArray("\x81\0A", 3), 128), QString::fromUtf8("・") + QChar(0) + 'A');
}

TEST(CodePageTable, OemAndMacPagesKeepControlsAndTheirOwnSigns) {
    Check({
        {255, "µ\x7F\x1A\x1C", QByteArray("\xE6\x7F\x1A\x1C"), Both},
        {255, "μÉ░Ł", QByteArray("\xE6\x90\xB0L"), Writes},
        {77, "\u2126é€", QByteArray("\xBD\x8E\xDB"), Both},
        {77, "ΩŁ", QByteArray("??"), Writes},
    });
}

TEST(CodePageTable, LostCharactersAreThoseStoredAsALookAlikeOrQuestionMark) {
    EXPECT_EQ(LostCharacters(QString::fromUtf8("Łódź"), 0), (QStringList{"Ł", "ź"}));
    EXPECT_EQ(LostCharacters(QString::fromUtf8("¥100 ～"), 128), QStringList{"¥"});
    EXPECT_EQ(StoredForm(QString::fromUtf8("Ł"), 0), "L");
    EXPECT_EQ(StoredForm(QString::fromUtf8("¥"), 128), "\\");
    EXPECT_EQ(StoredForm(QString::fromUtf8("😀"), 128), "??");
    EXPECT_EQ(StoredForm(QString::fromUtf8("é"), 0), QString::fromUtf8("é"));
}

TEST(CodePageTable, OnlyBytesThePageLeavesUndefinedAreReported) {
    const struct {
        uint8_t Charset;
        QByteArray Bytes;
        QStringList Found;
    } cases[] = {
        {128, QByteArray("\x81\x45\x81\xAD\x81 \xED\x40"), {"・"}},  // 81 45 is ・ itself; ED 40 a kanji
        {128, QByteArray("A\x81"), {"・"}},
        {128, QByteArray("\xF0\x40\xA0"), {"\uF8F0"}},  // user-defined pairs are characters
        {134, QByteArray("?\xA1\xA1\x82"), {"?"}},
        {161, QByteArray("\xAA\xD9"), {"\uF8F9"}},
        {0, QByteArray("\x81\x9D\xE9"), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UndefinedByteCharacters(c.Bytes, c.Charset), c.Found) << c.Bytes.toHex(' ').data();
}

TEST(CodePageTable, AnUneditedTextKeepsBytesThatNoEditWrites) {
    const QByteArray stored("\xED\x40\x81\xAD");  // a kanji also at FA 5C, and an undefined pair
    const QString shown = DecodeText(stored, 128);
    EXPECT_EQ(EncodeTextKeeping(shown, stored, 128), stored);
    EXPECT_EQ(EncodeTextKeeping(shown + "x", stored, 128), QByteArray("\xFA\x5C\x81\x45x"));
}

}  // namespace
}  // namespace zozavud
