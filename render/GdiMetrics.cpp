#include "GdiMetrics.h"

#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <cmath>

namespace zozavud {

namespace {

struct FaceRatios {
    double Ascent = 0;  // per em
    double Descent = 0;
};

uint16_t BigEndian16(const QByteArray& table, int offset) {
    if (offset + 2 > table.size()) return 0;
    return static_cast<uint16_t>((static_cast<uint8_t>(table[offset]) << 8) |
                                 static_cast<uint8_t>(table[offset + 1]));
}

FaceRatios LookUpRatios(const QFont& font) {
    static QHash<QString, FaceRatios> cache;
    const QString key =
        font.families().join('|') + QChar(font.bold() ? 'b' : 'r') + QChar(font.italic() ? 'i' : 'u');
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;

    FaceRatios ratios;
    QFont probe = font;
    probe.setPixelSize(64);
    const QRawFont raw = QRawFont::fromFont(probe);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    const uint16_t unitsPerEm = BigEndian16(head, 18);
    const uint16_t winAscent = BigEndian16(os2, 74);
    const uint16_t winDescent = BigEndian16(os2, 76);
    if (unitsPerEm > 0 && os2.size() >= 78 && winAscent + winDescent > 0) {
        ratios.Ascent = double(winAscent) / unitsPerEm;
        ratios.Descent = double(winDescent) / unitsPerEm;
    }
    cache.insert(key, ratios);
    return ratios;
}

}  // namespace

GdiMetrics MeasureGdiMetrics(const QFont& font) {
    const FaceRatios ratios = LookUpRatios(font);
    if (ratios.Ascent + ratios.Descent <= 0) {
        const QFontMetrics metrics(font);
        return {metrics.ascent(), metrics.descent()};
    }
    const int ppem = font.pixelSize();
    return {static_cast<int>(std::lround(ratios.Ascent * ppem)),
            static_cast<int>(std::lround(ratios.Descent * ppem))};
}

double CellHeightPerEm(const QFont& font) {
    const FaceRatios ratios = LookUpRatios(font);
    return ratios.Ascent + ratios.Descent;
}

}  // namespace zozavud
