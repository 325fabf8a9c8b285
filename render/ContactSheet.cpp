#include "ContactSheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace zozavud {

namespace {

constexpr int SheetRows = (ImageCount + ContactSheetColumns - 1) / ContactSheetColumns;

QRgb FromColorRef(int32_t c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

const QRgb SheetBack = qRgb(255, 255, 255);
const QRgb Ink = qRgb(0, 0, 0);
const QRgb DimBack = qRgb(0xD8, 0xDF, 0xD8);
const QRgb DimInk = qRgb(0x80, 0x80, 0x80);
const QRgb Frame = qRgb(0xA0, 0xA0, 0xA0);

// One pixel per dot; drawn enlarged without smoothing.
QImage Dots(const ImageRecord& record) {
    const bool scrolls = record.Scroll != 0 || record.WideBitmap != 0;
    const int columns = scrolls ? LcdColumns : VisibleColumns;
    QImage dots(columns, LcdRows, QImage::Format_RGB32);
    const QRgb back = FromColorRef(ColorPreviewBack);
    for (int y = 0; y < LcdRows; ++y)
        for (int x = 0; x < columns; ++x) {
            const bool lit = IsPixelOn(record.RenderedData[LayerIndex(x, y)]);
            const bool visible = x < VisibleColumns;
            dots.setPixel(x, y, lit ? (visible ? Ink : DimInk) : (visible ? back : DimBack));
        }
    return dots;
}

QString Label(const ImageRecord& record, int n) {
    QString label = QString::number(n);
    if (record.Scroll != 0 || record.WideBitmap != 0)
        label += QStringLiteral("  scrolls");
    else if (record.Blink != 0)
        label += QStringLiteral("  blinks");
    return label;
}

}  // namespace

ContactSheetLayout::ContactSheetLayout(int scale)
    : Scale(std::clamp(scale, 1, ContactSheetMaxScale)),
      Padding(4 * Scale),
      LabelHeight(std::max(14, 7 * Scale)),
      Cell(LcdColumns * Scale + 2 * Padding, LabelHeight + LcdRows * Scale + 2 * Padding),
      Sheet(ContactSheetColumns * Cell.width(), SheetRows * Cell.height()) {}

QRect ContactSheetLayout::CellRect(int n) const {
    const int index = n - 1;
    return {
        QPoint((index % ContactSheetColumns) * Cell.width(), (index / ContactSheetColumns) * Cell.height()),
        Cell};
}

QRect ContactSheetLayout::PictureRect(int n) const {
    const QRect cell = CellRect(n);
    return {cell.left() + Padding, cell.top() + Padding + LabelHeight, LcdColumns * Scale, LcdRows * Scale};
}

QImage DrawContactSheet(const ImageSet& set, int scale) {
    const ContactSheetLayout layout(scale);
    QImage sheet(layout.Sheet, QImage::Format_RGB32);
    sheet.fill(SheetBack);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QFont font = painter.font();
    font.setPixelSize(std::max(10, layout.LabelHeight - 4));
    painter.setFont(font);
    for (int n = 1; n <= ImageCount; ++n) {
        const ImageRecord& record = set.Record(n);
        const QRect picture = layout.PictureRect(n);
        // The frame marks the 128 columns the printer shows at a time; a scroll area
        // drawn next covers its right edge.
        painter.setPen(Frame);
        painter.drawRect(picture.left() - 1, picture.top() - 1, VisibleColumns * layout.Scale + 1,
                         LcdRows * layout.Scale + 1);
        const QImage dots = Dots(record);
        painter.drawImage(QRect(picture.topLeft(), dots.size() * layout.Scale), dots);
        painter.setPen(Ink);
        painter.drawText(
            QRect(picture.left(), picture.top() - layout.LabelHeight, picture.width(), layout.LabelHeight),
            Qt::AlignLeft | Qt::AlignVCenter, Label(record, n));
    }
    painter.end();
    return sheet;
}

}  // namespace zozavud
