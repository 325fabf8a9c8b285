#include "PrinterTestData.h"

#include <algorithm>
#include <cstring>

#include "DocumentIo.h"
#include "TestFiles.h"

namespace zozavud::test {

ImageRecord BlankRecord() {
    ImageRecord record;
    std::memset(&record, 0, sizeof record);
    record.Marker[0] = record.Marker[1] = 'A';
    record.ImageNo = 1;
    std::fill(std::begin(record.RenderedData), std::end(record.RenderedData), ColorBlank);
    return record;
}

ImageRecord HandMadeRecord() {
    ImageRecord record = BlankRecord();
    auto put = [&](int x, int y, int32_t color) { record.RenderedData[LayerIndex(x, y)] = color; };
    put(0, 0, 0x000000);
    put(9, 1, ColorWindowText);
    put(255, 24, 0x000001);
    put(100, 12, 0x000001);
    put(5, 5, ColorScrollArea);
    put(6, 5, ColorSilver);
    put(7, 5, ColorOutside);
    for (int x = 128; x < LcdColumns; ++x) put(x, 20, ColorScrollArea);
    return record;
}

QString GoldenPath(const QString& name) { return SourcePath("printer/golden/" + name); }

std::unique_ptr<ImageSet> LoadGoldenDocument(const QString& name) {
    auto set = std::make_unique<ImageSet>();
    if (!LoadImageSetFile(GoldenPath(name), *set)) return nullptr;
    return set;
}

}  // namespace zozavud::test
