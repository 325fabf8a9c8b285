#include "BitmapImport.h"

#include "BitmapFile.h"

namespace zozavud {

bool ImportBitmap(const QString& path, ImageRecord& record, int slotLineCount, QString* error) {
    BitmapSample sample;
    if (!ReadBitmapFile(path, sample, error)) return false;
    StoreBitmapSample(sample, record, slotLineCount);
    return true;
}

void StoreBitmapSample(const BitmapSample& sample, ImageRecord& record, int slotLineCount) {
    for (int x = 0; x < LcdColumns; ++x) {
        for (int y = 0; y < LcdRows; ++y) {
            const int32_t color = sample.At(x, y);
            record.BitmapData[LayerIndex(x, y)] = IsPixelOn(color) ? color : ColorBlank;
        }
    }
    // Only a two-line slot can scroll a picture wider than the visible columns.
    record.WideBitmap = slotLineCount == 2 && sample.Width > VisibleColumns ? 1 : 0;
}

void ClearBitmapData(ImageRecord& record) {
    for (int32_t& color : record.BitmapData) color = ColorBlank;
    record.WideBitmap = 0;
}

}  // namespace zozavud
