// Our text against the platform's: every case of the GDI reference (drawn by the probe
// in tests/render/gdi, see scripts/regen-gdi-reference.sh) rendered through the real
// renderer and compared dot for dot with the picture GDI made.
#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QMap>
#include <QStringList>
#include <QTextStream>
#include <map>
#include <memory>

#include "CodePage.h"
#include "FontFiles.h"
#include "MessageSlots.h"
#include "RecordFont.h"
#include "RenderTestSupport.h"
#include "ShortString.h"
#include "WorkCanvas.h"

namespace zozavud {
namespace {

using Picture = std::array<bool, LcdColumns * LcdRows>;  // x * 25 + y, like the layers

struct ReferenceCase {
    QStringList Fields;  // id, face, drawn face, charset, height, style, lines, offset, text1, text2
    QList<int> Measure;  // w1 h1 w2 h2 offset, as GDI measured
    QString Face;        // the face GDI drew with
    Picture Dots{};
    QString Id() const { return Fields[0]; }
};

bool ReadPicture(QTextStream& in, const QString& header, Picture& dots) {
    const QStringList p = header.split(' ');
    if (p.value(1) == "blank") return true;
    if (p.size() != 5) return false;
    const int x0 = p[1].toInt(), x1 = p[2].toInt(), y0 = p[3].toInt(), y1 = p[4].toInt();
    for (int y = y0; y <= y1; ++y) {
        const QString row = in.readLine();
        if (row.size() != x1 - x0 + 1 || y < 0 || y >= LcdRows) return false;
        for (int x = x0; x <= x1; ++x) dots[size_t(x * LcdRows + y)] = row[x - x0] == '#';
    }
    return true;
}

// Case id -> the cause of a difference we know of and have not mended.
QHash<QString, QString> ReadKnownDifferences() {
    QHash<QString, QString> known;
    QFile file(QStringLiteral(ZOZAVUD_SOURCE_DIR "/tests/render/gdi/known-differences.txt"));
    if (!file.open(QIODevice::ReadOnly)) return known;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> fields = line.split('\t');
        known.insert(QString::fromUtf8(fields[0]), QString::fromUtf8(fields.value(1)));
    }
    return known;
}

std::vector<ReferenceCase> ReadReference() {
    std::vector<ReferenceCase> cases;
    QFile file(QStringLiteral(ZOZAVUD_SOURCE_DIR "/tests/render/gdi/reference.txt"));
    if (!file.open(QIODevice::ReadOnly)) return cases;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        ReferenceCase c;
        c.Fields = in.readLine().split('\t');
        if (c.Fields.size() != 10) break;
        const QStringList measure = in.readLine().split(' ');
        for (int i = 1; i < measure.size(); ++i) c.Measure += measure[i].toInt();
        c.Face = in.readLine().section(' ', 1, -3);  // "font FACE ascent descent"
        if (!ReadPicture(in, in.readLine(), c.Dots)) break;
        cases.push_back(std::move(c));
    }
    return cases;
}

Picture DotsOf(const ImageRecord& record) {
    Picture dots{};
    for (int i = 0; i < LayerSize; ++i) dots[size_t(i)] = IsPixelOn(record.RenderedData[i]);
    return dots;
}

// A one-line slot at offset 0 with the case's text and font.
Picture RenderMatrixCase(const ReferenceCase& c, LcdRenderer& renderer) {
    auto record = std::make_unique<ImageRecord>();
    std::fill(std::begin(record->BitmapData), std::end(record->BitmapData), ColorBlank);
    record->ImageNo = 2;
    const FontSpec font{uint8_t(c.Fields[3].toInt()), ColorWindowText, c.Fields[4].toInt(), c.Fields[1],
                        uint8_t(c.Fields[5].toInt())};
    StoreFontSpec(*record, font);
    StoreShortString(record->Text1, EncodeText(c.Fields[8], font.Charset));
    renderer.Render(*record, RenderContext{});
    return DotsOf(*record);
}

QString Row(const Picture& dots, int y) {
    QString row;
    for (int x = 0; x < LcdColumns; ++x) row += dots[size_t(x * LcdRows + y)] ? '#' : '.';
    return row;
}

// The first row that differs, both versions, trimmed to the columns where either is lit.
std::string FirstDifference(const ReferenceCase& c, const Picture& ours) {
    for (int y = 0; y < LcdRows; ++y) {
        const QString gdi = Row(c.Dots, y), mine = Row(ours, y);
        if (gdi == mine) continue;
        int from = 0, to = LcdColumns - 1;
        while (from < to && gdi[from] == '.' && mine[from] == '.') ++from;
        while (to > from && gdi[to] == '.' && mine[to] == '.') --to;
        return QStringLiteral("%1 (%2 px %3): row %4 from column %5\n  GDI  %6\n  ours %7")
            .arg(c.Id(), c.Fields[2], c.Fields[4], QString::number(y), QString::number(from),
                 gdi.mid(from, to - from + 1), mine.mid(from, to - from + 1))
            .toStdString();
    }
    return {};
}

// Both measures of both lines, which tell a placement fault from a glyph fault.
std::string Measures(const ReferenceCase& c, WorkCanvas& canvas) {
    canvas.SetFont(FontSpec{uint8_t(c.Fields[3].toInt()), ColorWindowText, c.Fields[4].toInt(), c.Fields[1],
                            uint8_t(c.Fields[5].toInt())});
    const QSize s1 = canvas.Measure(c.Fields[8]), s2 = canvas.Measure(c.Fields[9]);
    return QStringLiteral("\n  GDI measures %1x%2 and %3x%4, ours %5x%6 and %7x%8")
        .arg(c.Measure.value(0))
        .arg(c.Measure.value(1))
        .arg(c.Measure.value(2))
        .arg(c.Measure.value(3))
        .arg(s1.width())
        .arg(s1.height())
        .arg(s2.width())
        .arg(s2.height())
        .toStdString();
}

constexpr uint32_t Locales[LanguageCount] = {0x0409, 0x0411, 0x040C, 0x0407, 0x040A, 0x0410, 0x0804};

TEST(GdiReference, TextDotsDifferFromThePlatformsPicture) {
    const std::vector<ReferenceCase> cases = ReadReference();
    ASSERT_GT(cases.size(), 1000u) << "the reference file is missing or cut short";
    const QHash<QString, QString> known = ReadKnownDifferences();
    LcdRenderer renderer;
    WorkCanvas canvas;
    std::map<int, std::unique_ptr<EditorState>> fresh;  // per language, built on first use
    std::map<QString, std::pair<int, int>> perFace;     // drawn face -> (identical, cases)
    int defaults = 0;
    for (const ReferenceCase& c : cases) {
        Picture ours;
        if (c.Id().startsWith('d')) {
            const int language = c.Id().mid(1, 1).toInt(), slot = c.Id().mid(3).toInt();
            auto& state = fresh[language];
            if (!state) {
                state = std::make_unique<EditorState>();
                test::MakeFreshSet(*state, renderer, Locales[language]);
            }
            EXPECT_EQ(DefaultText(slot, MessageLanguage(language), 1), c.Fields[8]) << c.Id().toStdString();
            ours = DotsOf(state->Set->Record(slot));
            ++defaults;
        } else {
            ours = RenderMatrixCase(c, renderer);
        }
        // Both sides must draw from one file, or the comparison says nothing.
        const int style = c.Fields[5].toInt();
        EXPECT_EQ(c.Face, FindFaceFile(c.Fields[1], uint8_t(c.Fields[3].toInt()), style & FontStyleBold,
                                       style & FontStyleItalic)
                              .Family)
            << c.Id().toStdString() << ": GDI drew another face than ours";
        auto& tally = perFace[c.Face];
        ++tally.second;
        const bool same = ours == c.Dots;
        if (same) ++tally.first;
        if (!same && !known.contains(c.Id()))
            ADD_FAILURE() << FirstDifference(c, ours) << Measures(c, canvas);
        if (same && known.contains(c.Id()))
            ADD_FAILURE() << c.Id().toStdString() << " now matches GDI: take it off known-differences.txt";
    }
    EXPECT_EQ(defaults, 19 * LanguageCount);
    int identical = 0;
    for (const auto& [face, tally] : perFace) {
        identical += tally.first;
        std::printf("%s: %d of %d identical\n", face.toUtf8().constData(), tally.first, tally.second);
    }
    std::printf("all faces: %d of %zu identical\n", identical, cases.size());
}

}  // namespace
}  // namespace zozavud
