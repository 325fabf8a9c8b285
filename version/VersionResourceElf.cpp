// The version section of an ELF file, found by name through the section headers.
// Little-endian files of either class; section data must lie wholly inside the file.

#include <algorithm>

#include "VersionResourceBytes.h"
#include "VersionResourceLocate.h"
#include "VersionSection.h"

namespace zozavud {

namespace {

using namespace versionbytes;

constexpr int ClassOffset = 4;
constexpr int DataOffset = 5;
constexpr uint8_t Class32 = 1;
constexpr uint8_t Class64 = 2;
constexpr uint8_t LittleEndian = 1;
constexpr uint32_t NoBitsType = 8;
constexpr uint16_t ExtendedIndex = 0xFFFF;

struct Layout {
    bool Is64 = false;
    uint64_t HeaderSize() const { return Is64 ? 64 : 40; }

    std::optional<uint64_t> Word(QByteArrayView file, uint64_t offset) const {
        if (Is64) return ReadU64(file, offset);
        const auto value = ReadU32(file, offset);
        return value ? std::optional<uint64_t>(*value) : std::nullopt;
    }
};

struct Section {
    uint32_t Name = 0;
    uint32_t Type = 0;
    uint32_t Link = 0;
    uint64_t Offset = 0;
    uint64_t Size = 0;
};

std::optional<Section> ReadSection(QByteArrayView file, const Layout& layout, uint64_t header) {
    const auto name = ReadU32(file, header);
    const auto type = ReadU32(file, header + 4);
    const auto offset = layout.Word(file, header + (layout.Is64 ? 24 : 16));
    const auto size = layout.Word(file, header + (layout.Is64 ? 32 : 20));
    const auto link = ReadU32(file, header + (layout.Is64 ? 40 : 24));
    if (!name || !type || !offset || !size || !link) return std::nullopt;
    return Section{*name, *type, *link, *offset, *size};
}

bool NameIs(QByteArrayView names, uint32_t offset, QByteArrayView wanted) {
    const auto text = Slice(names, offset, static_cast<uint64_t>(wanted.size()) + 1);
    return text && text->first(wanted.size()) == wanted && text->back() == '\0';
}

}  // namespace

std::optional<QByteArrayView> FindElfVersionSection(QByteArrayView file) {
    const auto elfClass = ReadLe(file, ClassOffset, 1);
    if (!elfClass || ReadLe(file, DataOffset, 1) != LittleEndian) return std::nullopt;
    if (*elfClass != Class32 && *elfClass != Class64) return std::nullopt;
    const Layout layout{*elfClass == Class64};

    const auto tableOffset = layout.Word(file, layout.Is64 ? 0x28 : 0x20);
    const auto entrySize = ReadU16(file, layout.Is64 ? 0x3A : 0x2E);
    auto count = ReadU16(file, layout.Is64 ? 0x3C : 0x30);
    const auto namesIndex = ReadU16(file, layout.Is64 ? 0x3E : 0x32);
    if (!tableOffset || !entrySize || !count || !namesIndex || *tableOffset == 0) return std::nullopt;
    if (*entrySize < layout.HeaderSize()) return std::nullopt;

    // With many sections the real count and name table index live in section 0.
    const auto first = ReadSection(file, layout, *tableOffset);
    if (!first) return std::nullopt;
    uint64_t sectionCount = *count;
    if (sectionCount == 0) sectionCount = first->Size;
    const uint64_t namesSection = *namesIndex == ExtendedIndex ? first->Link : *namesIndex;
    // Never walk more headers than the file could hold.
    const uint64_t room =
        (static_cast<uint64_t>(file.size()) - std::min<uint64_t>(*tableOffset, file.size())) / *entrySize;
    if (sectionCount > room || namesSection >= sectionCount) return std::nullopt;

    const auto names = ReadSection(file, layout, *tableOffset + namesSection * *entrySize);
    if (!names) return std::nullopt;
    const auto nameTable = Slice(file, names->Offset, names->Size);
    if (!nameTable) return std::nullopt;

    const QByteArrayView wanted(VersionSectionName);
    for (uint64_t i = 1; i < sectionCount; ++i) {
        const auto section = ReadSection(file, layout, *tableOffset + i * *entrySize);
        if (!section) return std::nullopt;
        if (section->Type == NoBitsType || !NameIs(*nameTable, section->Name, wanted)) continue;
        return Slice(file, section->Offset, section->Size);
    }
    return std::nullopt;
}

}  // namespace zozavud
