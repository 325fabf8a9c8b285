// A bitmap file imported: our BMP decoder on the bytes themselves, then the whole
// import through a file, which hands anything that is not a BMP to Qt's readers.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "BitmapImport.h"
#include "BmpDecoder.h"
#include "FuzzSupport.h"
#include "ImageSet.h"

using namespace zozavud;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void CheckDecoder(const QByteArray& bytes) {
    BitmapSample sample;
    sample.Reset(3, 2);
    const std::vector<int32_t> untouched = sample.Colors;
    QString error;
    if (!DecodeBmp(bytes, sample, &error)) {
        if (error.isEmpty()) Fail("a refused bitmap gave no reason");
        if (sample.Width != 3 || sample.Height != 2 || sample.Colors != untouched)
            Fail("a refused bitmap changed the sample");
        return;
    }
    if (!HasBmpSignature(bytes)) Fail("bytes without the signature decoded as a BMP");
    if (sample.Width <= 0 || sample.Height <= 0) Fail("a decoded bitmap has no size");
    if (sample.Columns != std::min(sample.Width, LcdColumns) ||
        sample.Rows != std::min(sample.Height, LcdRows) ||
        sample.Colors.size() != static_cast<size_t>(sample.Columns) * sample.Rows)
        Fail("a decoded sample does not match its size");
}

void CheckImport(const QByteArray& bytes) {
    static const auto fresh = [] {
        auto record = std::make_unique<ImageRecord>();
        ClearBitmapData(*record);
        return record;
    }();
    auto record = std::make_unique<ImageRecord>(*fresh);
    const QString path = fuzz::WriteScratchFile(bytes, QStringLiteral(".pic"));
    QString error;
    if (!ImportBitmap(path, *record, 2, &error)) {
        if (error.isEmpty()) Fail("a refused import gave no reason");
        if (std::memcmp(record.get(), fresh.get(), sizeof(ImageRecord)) != 0)
            Fail("a refused import changed the record");
        return;
    }
    for (const int32_t color : record->BitmapData)
        if (color != ColorBlank && !IsPixelOn(color)) Fail("an import stored an unlit colour");
    if (record->WideBitmap > 1) Fail("an import set a stray WideBitmap");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    CheckDecoder(bytes);
    CheckImport(bytes);
    return 0;
}
