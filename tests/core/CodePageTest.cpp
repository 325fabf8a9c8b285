#include <gtest/gtest.h>

#include "CodePage.h"

namespace zozavud {
namespace {

struct CodePageCase {
    uint8_t Charset;
    const char* Text;
    QByteArray Bytes;
};

TEST(CodePage, EncodesInTheCharsetsCodePage) {
    const CodePageCase cases[] = {
        {0, "é", QByteArray("\xE9")},        {1, "€", QByteArray("\x80")},
        {128, "ｱ", QByteArray("\xB1")},  // half-width katakana: one byte
        {128, "あ", QByteArray("\x82\xA0")}, {134, "联", QByteArray("\xC1\xAA")},
        {204, "Ж", QByteArray("\xC6")},      {161, "Ω", QByteArray("\xD9")},
        {238, "ł", QByteArray("\xB3")},      {255, "é", QByteArray("\x82")},  // OEM 437
        {77, "é", QByteArray("\x8E")},                                        // Mac Roman
        {42, "é", QByteArray("\xE9")},                                        // unknown codes use 1252
    };
    for (const CodePageCase& c : cases) {
        EXPECT_EQ(EncodeText(QString::fromUtf8(c.Text), c.Charset), c.Bytes) << int(c.Charset);
        EXPECT_EQ(DecodeText(c.Bytes, c.Charset), QString::fromUtf8(c.Text)) << int(c.Charset);
    }
}

TEST(CodePage, MissingCharactersBecomeQuestionMarks) {
    EXPECT_EQ(EncodeText(QString::fromUtf8("a联b"), 0), "a?b");
    EXPECT_EQ(EncodeText(QString::fromUtf8("😀"), 128),
              "??");  // one "?" per UTF-16 unit, as the platform writes
}

TEST(CodePage, LostCharactersNamesEachCharacterThatWouldBeStoredWrongOnce) {
    const struct {
        uint8_t Charset;
        const char* Text;
        QStringList Lost;
    } cases[] = {
        {0, "Papier é ?", {}},        // a real "?" is no loss
        {0, "ЖaЖ联", {"Ж", "联"}},    // each once, in order
        {204, "Жук", {}},             // Cyrillic code page holds it
        {128, "あ联😀", {"联", "😀"}},  // simplified 联 is no JIS character;
                                      // a surrogate pair is one character
        {134, "联あ€", {}},           // GBK holds kana and the euro sign
        {0, "\x1b]0;x\x07", {}},      // control bytes are characters too
        {161, "ΩЖ", {"Ж"}},
        {0, "Café €", {}},  // the euro sign is in 1252
        {128, "紙切れ ب", {"ب"}},
        {0, "", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LostCharacters(QString::fromUtf8(c.Text), c.Charset), c.Lost) << c.Text;
    }
    // A lone surrogate cannot be stored anywhere.
    EXPECT_EQ(LostCharacters(QString(QChar(0xD800)), 0), QStringList{QString(QChar(0xD800))});
}

TEST(CodePage, CutNeverSplitsADoubleByteCharacter) {
    const QString text = QString(254, 'a') + QString::fromUtf8("あい");
    const QByteArray bytes = EncodeText(text, 128);
    EXPECT_EQ(bytes.size(), 254);
    EXPECT_EQ(bytes, QByteArray(254, 'a'));
    const QByteArray fits = EncodeText(QString(253, 'a') + QString::fromUtf8("あい"), 128);
    EXPECT_EQ(fits.size(), 255);
    EXPECT_EQ(fits.right(2), QByteArray("\x82\xA0"));
}

TEST(CodePage, SingleByteTextsAreCutAt255) { EXPECT_EQ(EncodeText(QString(300, 'x'), 0).size(), 255); }

}  // namespace
}  // namespace zozavud
