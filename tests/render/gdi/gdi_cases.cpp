// Prints the case list the GDI probe draws: a matrix of faces, heights, styles and
// texts in a one-line slot at offset 0, a sweep of each face's characters, underline and
// strikeout mixed with the other styles, then every slot's default message in each
// language, in that language's face, as a fresh document draws it. Each case names the
// record's face and the family our lookup draws it with, so that both sides use one file.
#include <QString>
#include <QStringList>
#include <cstdio>
#include <utility>
#include <vector>

#include "FontFiles.h"
#include "LanguageState.h"
#include "MessageSlots.h"

namespace zozavud {
namespace {

struct MatrixFace {
    const char* Name;
    int Charset;
    const char* Texts[4];
};

const MatrixFace Faces[] = {
    {"Tahoma", 0, {"Online", "Paper end", "Head overheat!", "QD-N801 Wgjpqy 0123"}},
    {"Arial", 0, {"Online", "Paper end", "Head overheat!", "QD-N801 Wgjpqy 0123"}},
    {"DejaVu Sans", 0, {"Online", "Paper end", "Head overheat!", "QD-N801 Wgjpqy 0123"}},
    {"MS UI Gothic", 128, {"Online", "印刷ができます", "ﾌﾛﾝﾄｶﾊﾞｰｵｰﾌﾟﾝ", "用紙 Wgjpqy 0123"}},
    {"MS UI Gothic", 134, {"Online", "纸张结束", "请关闭前盖", "打印头 Wgjpqy 0123"}},
};
const int Heights[] = {-8, -9, -10, -11, -12, -13, -14, -16, -18, -20, -24, 0, 10, 13, 16, 20, 25};
const int Styles[] = {0, 1, 2, 3, 4, 8};

QString DrawnFamily(const QString& face, int charset, int style) {
    return FindFaceFile(face, static_cast<uint8_t>(charset), style & 1, style & 2).Family;
}

// The probe asks GDI for the family our lookup draws with (a face GDI knows by that name),
// or for the one given as `asked`.
void PrintCase(const QString& id, const QString& face, int charset, int height, int style, int lines,
               const char* offset, const QString& text1, const QString& text2, const QString& asked = {}) {
    QStringList fields;
    fields << id << face << (asked.isEmpty() ? DrawnFamily(face, charset, style) : asked)
           << QString::number(charset) << QString::number(height) << QString::number(style)
           << QString::number(lines) << QString::fromLatin1(offset) << text1 << text2;
    const QString line = fields.join('\t');
    std::printf("%s\n", line.toUtf8().constData());
}

// One case of a block: a one-line slot at offset 0, numbered within the block ("m0001").
void PrintOneLine(char block, int& n, const char* face, int charset, int height, int style, const char* text,
                  const QString& asked = {}) {
    PrintCase(QStringLiteral("%1%2").arg(QChar(block)).arg(++n, 4, 10, QChar('0')), QString::fromUtf8(face),
              charset, height, style, 1, "0", QString::fromUtf8(text), QString(), asked);
}

void PrintMatrix() {
    int n = 0;
    for (const MatrixFace& face : Faces)
        for (const int height : Heights)
            for (const int style : Styles)
                for (const char* text : face.Texts)
                    PrintOneLine('m', n, face.Name, face.Charset, height, style, text);
}

// Every printable character of each face's code page family, in few styles: glyphs the
// matrix's texts do not reach (punctuation, accents, kana, CJK punctuation).
struct SweepFace {
    const char* Name;
    int Charset;
    std::vector<const char*> Texts;
};

const std::vector<const char*> LatinSweep = {"!\"#$%&'()*+,-./", ":;<=>?@[\\]^_`{|}~", "¡¢£¥§©®°±µ¶¿×÷€",
                                             "ÀÂÄÇÉÈÊÑÖÜß", "àâäçéèêëïñöü"};

const SweepFace SweepFaces[] = {
    {"Tahoma", 0, LatinSweep},
    {"Arial", 0, LatinSweep},
    {"DejaVu Sans", 0, LatinSweep},
    {"MS UI Gothic",
     128,
     {"あいうえおがぱゃっ", "アイウガパャッヴー", "漢字表示「」、。・", "ＡＢＣ１２３！？"}},
    {"MS UI Gothic", 134, {"中文简体字体测试", "，。、：；！？（）", "“”《》【】…—", "ＡＢＣ１２３％"}},
};

void PrintSweep() {
    int n = 0;
    for (const SweepFace& face : SweepFaces)
        for (const int height : Heights)
            for (const int style : {0, 1, 2})
                for (const char* text : face.Texts)
                    PrintOneLine('g', n, face.Name, face.Charset, height, style, text);
}

// Underline and strikeout together with the made-up and the designed styles, thin and thick.
void PrintStyleMixes() {
    int n = 0;
    for (const MatrixFace& face : Faces)
        for (const int height : {-8, -12, -16, -20, -25, 13, -36, 38})
            for (const int style : {5, 6, 7, 9, 10, 12, 15})
                PrintOneLine('s', n, face.Name, face.Charset, height, style, face.Texts[3]);
}

// Other installed faces a user may pick: serif and fixed-pitch designs, with
// their own bold and italic files where they have them.
void PrintOtherFaces() {
    const char* const latin[] = {"QD-N801 Wgjpqy 0123", "Head overheat!"};
    const char* const japanese[] = {"用紙 Wgjpqy 0123", "印刷ができます"};
    const char* const chinese[] = {"打印头 Wgjpqy 0123", "纸张结束"};
    const struct {
        const char* Name;
        int Charset;
        const char* const* Texts;
    } faces[] = {
        {"DejaVu Serif", 0, latin},     {"DejaVu Sans Mono", 0, latin},
        {"Liberation Serif", 0, latin}, {"Liberation Mono", 0, latin},
        {"IPAGothic", 128, japanese},   {"WenQuanYi Micro Hei Mono", 134, chinese},
    };
    int n = 0;
    for (const auto& face : faces)
        for (const int height : {-9, -11, -12, -14, -16, -20, 0, 13, 25})
            for (const int style : {0, 1, 2, 3})
                for (int t = 0; t < 2; ++t)
                    PrintOneLine('f', n, face.Name, face.Charset, height, style, face.Texts[t]);
}

// A named face without the charset's script: GDI draws the text in a face that has it.
void PrintCharsetFallbacks() {
    const std::pair<int, const char*> texts[] = {
        {128, "印刷ができます"}, {134, "纸张结束"}, {129, "한국어 인쇄"}};
    int n = 0;
    for (const char* name : {"Liberation Sans", "DejaVu Sans", "Liberation Serif", "Tahoma"})
        for (const auto& [charset, text] : texts)
            for (const int height : {-12, -16, 0, 13})
                for (const int style : {0, 1, 2})
                    PrintOneLine('c', n, name, charset, height, style, text, QString::fromUtf8(name));
}

void PrintDefaults() {
    const uint32_t locales[LanguageCount] = {0x0409, 0x0411, 0x040C, 0x0407, 0x040A, 0x0410, 0x0804};
    for (int l = 0; l < LanguageCount; ++l) {
        LanguageState language;
        language.InitLanguage(locales[l]);
        const auto lang = static_cast<MessageLanguage>(l);
        for (int slot = 1; slot <= 19; ++slot)
            PrintCase(QStringLiteral("d%1-%2").arg(l).arg(slot, 2, 10, QChar('0')),
                      QString::fromLatin1(language.MessageFontName), language.MessageCharset, -12, 0,
                      SlotLineCount(slot), "default", DefaultText(slot, lang, 1), DefaultText(slot, lang, 2));
    }
}

}  // namespace
}  // namespace zozavud

int main() {
    zozavud::PrintMatrix();
    zozavud::PrintSweep();
    zozavud::PrintStyleMixes();
    zozavud::PrintOtherFaces();
    zozavud::PrintCharsetFallbacks();
    zozavud::PrintDefaults();
    return 0;
}
