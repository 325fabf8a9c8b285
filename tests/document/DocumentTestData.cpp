#include "DocumentTestData.h"

#include <cstring>
#include <random>

namespace zozavud::test {

QByteArray PatternBytes(qsizetype n, uint32_t seed) {
    std::mt19937 random(seed);
    QByteArray bytes(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i) bytes[i] = static_cast<char>(random() & 0xFF);
    return bytes;
}

void FillPatternedSet(ImageSet& set, uint32_t seed) {
    std::mt19937 random(seed);
    auto* bytes = reinterpret_cast<unsigned char*>(&set);
    for (std::size_t i = 0; i < sizeof set; ++i) bytes[i] = static_cast<unsigned char>(random() & 0xFF);
    std::memcpy(set.Signature, "LCD1", 4);
    for (int n = 1; n <= ImageCount; ++n) {
        set.Record(n).Marker[0] = set.Record(n).Marker[1] = 'A';
        set.Record(n).ImageNo = static_cast<uint8_t>(n);
    }
}

QByteArray SetBytes(const ImageSet& set) {
    return QByteArray(reinterpret_cast<const char*>(&set), sizeof set);
}

}  // namespace zozavud::test
