#pragma once
// Bounds-checked little-endian reads for the version reader. Every read of file bytes
// goes through these, so no offset or length taken from a file can reach past the end.

#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace zozavud::versionbytes {

inline bool Fits(QByteArrayView bytes, uint64_t offset, uint64_t length) {
    const auto size = static_cast<uint64_t>(bytes.size());
    return offset <= size && length <= size - offset;
}

inline std::optional<uint64_t> ReadLe(QByteArrayView bytes, uint64_t offset, int width) {
    if (!Fits(bytes, offset, static_cast<uint64_t>(width))) return std::nullopt;
    uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[static_cast<qsizetype>(offset) + i]);
    return value;
}

inline std::optional<uint16_t> ReadU16(QByteArrayView bytes, uint64_t offset) {
    const auto v = ReadLe(bytes, offset, 2);
    return v ? std::optional<uint16_t>(static_cast<uint16_t>(*v)) : std::nullopt;
}

inline std::optional<uint32_t> ReadU32(QByteArrayView bytes, uint64_t offset) {
    const auto v = ReadLe(bytes, offset, 4);
    return v ? std::optional<uint32_t>(static_cast<uint32_t>(*v)) : std::nullopt;
}

inline std::optional<uint64_t> ReadU64(QByteArrayView bytes, uint64_t offset) {
    return ReadLe(bytes, offset, 8);
}

// The sub-range, or nullopt when it does not lie wholly inside bytes.
inline std::optional<QByteArrayView> Slice(QByteArrayView bytes, uint64_t offset, uint64_t length) {
    if (!Fits(bytes, offset, length)) return std::nullopt;
    return bytes.sliced(static_cast<qsizetype>(offset), static_cast<qsizetype>(length));
}

}  // namespace zozavud::versionbytes
