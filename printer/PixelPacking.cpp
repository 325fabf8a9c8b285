#include "PixelPacking.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZOZAVUD_X86 1
#endif

namespace zozavud {

namespace {

constexpr int RowBytes = 32;
constexpr int Groups = LcdColumns / 8;

// Eight stored columns (each contiguous in RenderedData) make byte b of every row.
void PackPortable(const ImageRecord& record, uint8_t* block) {
    for (int b = 0; b < Groups; ++b) {
        uint8_t rowBytes[LcdRows] = {};
        for (int k = 0; k < 8; ++k) {
            const int32_t* column = record.RenderedData + LayerIndex(8 * b + k, 0);
            const uint8_t bit = static_cast<uint8_t>(0x80u >> k);
            for (int y = 0; y < LcdRows; ++y) rowBytes[y] |= IsPixelOn(column[y]) ? bit : 0;
        }
        for (int y = 0; y < LcdRows; ++y) block[RowBytes * y + b] = rowBytes[y];
    }
}

#if ZOZAVUD_X86
// Lanes holding an unlit colour become all ones.
inline __m128i Unlit(const int32_t* p) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi32(c, _mm_set1_epi32(ColorBlank)),
                                     _mm_cmpeq_epi32(c, _mm_set1_epi32(ColorScrollArea))),
                        _mm_or_si128(_mm_cmpeq_epi32(c, _mm_set1_epi32(ColorSilver)),
                                     _mm_cmpeq_epi32(c, _mm_set1_epi32(ColorOutside))));
}

void PackSse2(const ImageRecord& record, uint8_t* block) {
    for (int b = 0; b < Groups; ++b) {
        __m128i rows0to15 = _mm_setzero_si128(), rows16to31 = _mm_setzero_si128();
        for (int k = 0; k < 8; ++k) {
            const int32_t* column = record.RenderedData + LayerIndex(8 * b + k, 0);
            const __m128i low = _mm_packs_epi16(_mm_packs_epi32(Unlit(column), Unlit(column + 4)),
                                                _mm_packs_epi32(Unlit(column + 8), Unlit(column + 12)));
            // Row 24 lands in byte 8 of the high half; the bytes after it are never read.
            const __m128i last = _mm_cvtsi32_si128(IsPixelOn(column[24]) ? 0 : -1);
            const __m128i high =
                _mm_packs_epi16(_mm_packs_epi32(Unlit(column + 16), Unlit(column + 20)), last);
            const __m128i bit = _mm_set1_epi8(static_cast<char>(0x80u >> k));
            rows0to15 = _mm_or_si128(rows0to15, _mm_andnot_si128(low, bit));
            rows16to31 = _mm_or_si128(rows16to31, _mm_andnot_si128(high, bit));
        }
        alignas(16) uint8_t rowBytes[32];
        _mm_store_si128(reinterpret_cast<__m128i*>(rowBytes), rows0to15);
        _mm_store_si128(reinterpret_cast<__m128i*>(rowBytes + 16), rows16to31);
        for (int y = 0; y < LcdRows; ++y) block[RowBytes * y + b] = rowBytes[y];
    }
}

__attribute__((target("avx2"))) inline __m256i Unlit8(const int32_t* p) {
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    return _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi32(c, _mm256_set1_epi32(ColorBlank)),
                                           _mm256_cmpeq_epi32(c, _mm256_set1_epi32(ColorScrollArea))),
                           _mm256_or_si256(_mm256_cmpeq_epi32(c, _mm256_set1_epi32(ColorSilver)),
                                           _mm256_cmpeq_epi32(c, _mm256_set1_epi32(ColorOutside))));
}

// The 256-bit packs work within each 128-bit half, so row y ends up in byte
// AvxRowPosition[y] of the accumulator; the order is undone when the bytes are stored.
constexpr uint8_t AvxRowPosition[LcdRows] = {0,  1,  2,  3, 16, 17, 18, 19, 4,  5,  6,  7, 20,
                                             21, 22, 23, 8, 9,  10, 11, 24, 25, 26, 27, 12};

__attribute__((target("avx2"))) void PackAvx2(const ImageRecord& record, uint8_t* block) {
    for (int b = 0; b < Groups; ++b) {
        __m256i rows = _mm256_setzero_si256();
        for (int k = 0; k < 8; ++k) {
            const int32_t* column = record.RenderedData + LayerIndex(8 * b + k, 0);
            const __m256i last = _mm256_set_epi32(0, 0, 0, 0, 0, 0, 0, IsPixelOn(column[24]) ? 0 : -1);
            const __m256i unlit = _mm256_packs_epi16(_mm256_packs_epi32(Unlit8(column), Unlit8(column + 8)),
                                                     _mm256_packs_epi32(Unlit8(column + 16), last));
            rows = _mm256_or_si256(
                rows, _mm256_andnot_si256(unlit, _mm256_set1_epi8(static_cast<char>(0x80u >> k))));
        }
        alignas(32) uint8_t rowBytes[32];
        _mm256_store_si256(reinterpret_cast<__m256i*>(rowBytes), rows);
        for (int y = 0; y < LcdRows; ++y) block[RowBytes * y + b] = rowBytes[AvxRowPosition[y]];
    }
}
#endif

}  // namespace

bool PackingPathAvailable(PackingPath path) {
#if ZOZAVUD_X86
    __builtin_cpu_init();  // may run from a static initialiser
    if (path == PackingPath::Sse2) return __builtin_cpu_supports("sse2");
    if (path == PackingPath::Avx2) return __builtin_cpu_supports("avx2");
#endif
    return path == PackingPath::Portable;
}

void PackRows(const ImageRecord& record, uint8_t* block, PackingPath path) {
#if ZOZAVUD_X86
    if (path == PackingPath::Avx2) return PackAvx2(record, block);
    if (path == PackingPath::Sse2) return PackSse2(record, block);
#endif
    (void)path;
    PackPortable(record, block);
}

void PackRows(const ImageRecord& record, uint8_t* block) {
    static const PackingPath best = PackingPathAvailable(PackingPath::Avx2)   ? PackingPath::Avx2
                                    : PackingPathAvailable(PackingPath::Sse2) ? PackingPath::Sse2
                                                                              : PackingPath::Portable;
    PackRows(record, block, best);
}

}  // namespace zozavud
