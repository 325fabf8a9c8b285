// The version resource of a PE file: data directory 2 gives the resource tree, whose
// three levels are type (16 for version), name (1 by convention) and language.

#include <algorithm>

#include "VersionResourceBytes.h"
#include "VersionResourceLocate.h"

namespace zozavud {

namespace {

using namespace versionbytes;

constexpr uint32_t PeSignature = 0x00004550;  // "PE\0\0"
constexpr uint16_t Pe32Magic = 0x10B;
constexpr uint16_t Pe32PlusMagic = 0x20B;
constexpr uint32_t ResourceDirectoryIndex = 2;
constexpr uint32_t VersionResourceType = 16;
constexpr uint32_t VersionResourceName = 1;
constexpr uint32_t SubdirectoryFlag = 0x80000000u;
constexpr uint64_t SectionHeaderSize = 40;

struct Sections {
    uint64_t Table = 0;
    uint16_t Count = 0;
};

// Where an RVA lies in the file, and how many bytes of its section follow it there.
struct FileRange {
    uint64_t Offset = 0;
    uint64_t Available = 0;
};

std::optional<FileRange> RvaToFile(QByteArrayView file, const Sections& sections, uint32_t rva) {
    for (uint16_t i = 0; i < sections.Count; ++i) {
        const uint64_t header = sections.Table + SectionHeaderSize * i;
        const auto virtualSize = ReadU32(file, header + 8);
        const auto virtualAddress = ReadU32(file, header + 12);
        const auto rawSize = ReadU32(file, header + 16);
        const auto rawPointer = ReadU32(file, header + 20);
        if (!virtualSize || !virtualAddress || !rawSize || !rawPointer) return std::nullopt;
        if (rva < *virtualAddress) continue;
        const uint64_t delta = rva - *virtualAddress;
        if (delta >= std::max(*virtualSize, *rawSize)) continue;
        if (delta >= *rawSize) return std::nullopt;  // in the zero-filled tail
        const uint64_t offset = uint64_t{*rawPointer} + delta;
        const auto fileSize = static_cast<uint64_t>(file.size());
        if (offset >= fileSize) return std::nullopt;
        return FileRange{offset, std::min<uint64_t>(*rawSize - delta, fileSize - offset)};
    }
    return std::nullopt;
}

struct DirectoryEntry {
    uint32_t Name = 0;
    uint32_t Data = 0;
};

// The entry with the given id, or with wantedId absent the first entry.
std::optional<DirectoryEntry> FindEntry(QByteArrayView tree, uint64_t directory,
                                        std::optional<uint32_t> wantedId) {
    const auto named = ReadU16(tree, directory + 12);
    const auto ids = ReadU16(tree, directory + 14);
    if (!named || !ids) return std::nullopt;
    const uint32_t count = uint32_t{*named} + *ids;
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t entry = directory + 16 + 8 * uint64_t{i};
        const auto name = ReadU32(tree, entry);
        const auto data = ReadU32(tree, entry + 4);
        if (!name || !data) return std::nullopt;
        if (!wantedId || (!(*name & SubdirectoryFlag) && *name == *wantedId))
            return DirectoryEntry{*name, *data};
    }
    return std::nullopt;
}

std::optional<uint64_t> Subdirectory(const std::optional<DirectoryEntry>& entry) {
    if (!entry || !(entry->Data & SubdirectoryFlag)) return std::nullopt;
    return entry->Data & ~SubdirectoryFlag;
}

}  // namespace

std::optional<QByteArrayView> FindPeVersionResource(QByteArrayView file) {
    const auto peOffset = ReadU32(file, 0x3C);
    if (!peOffset || ReadU32(file, *peOffset) != PeSignature) return std::nullopt;
    const uint64_t coff = uint64_t{*peOffset} + 4;
    const auto sectionCount = ReadU16(file, coff + 2);
    const auto optionalSize = ReadU16(file, coff + 16);
    if (!sectionCount || !optionalSize) return std::nullopt;
    const uint64_t optional = coff + 20;

    const auto magic = ReadU16(file, optional);
    uint64_t countField = 0, directories = 0;
    if (magic == Pe32Magic) {
        countField = 92;
        directories = 96;
    } else if (magic == Pe32PlusMagic) {
        countField = 108;
        directories = 112;
    } else {
        return std::nullopt;
    }
    const auto directoryCount = ReadU32(file, optional + countField);
    const uint64_t resourceField = directories + 8 * ResourceDirectoryIndex;
    if (!directoryCount || *directoryCount <= ResourceDirectoryIndex || resourceField + 8 > *optionalSize)
        return std::nullopt;
    const auto resourceRva = ReadU32(file, optional + resourceField);
    if (!resourceRva || *resourceRva == 0) return std::nullopt;

    const Sections sections{optional + *optionalSize, *sectionCount};
    const auto treeRange = RvaToFile(file, sections, *resourceRva);
    if (!treeRange) return std::nullopt;
    const QByteArrayView tree = *Slice(file, treeRange->Offset, treeRange->Available);

    const auto byName = Subdirectory(FindEntry(tree, 0, VersionResourceType));
    if (!byName) return std::nullopt;
    auto nameEntry = FindEntry(tree, *byName, VersionResourceName);
    if (!nameEntry) nameEntry = FindEntry(tree, *byName, std::nullopt);
    const auto byLanguage = Subdirectory(nameEntry);
    if (!byLanguage) return std::nullopt;
    const auto languageEntry = FindEntry(tree, *byLanguage, std::nullopt);
    if (!languageEntry || (languageEntry->Data & SubdirectoryFlag)) return std::nullopt;

    const auto dataRva = ReadU32(tree, languageEntry->Data);
    const auto dataSize = ReadU32(tree, uint64_t{languageEntry->Data} + 4);
    if (!dataRva || !dataSize) return std::nullopt;
    const auto dataRange = RvaToFile(file, sections, *dataRva);
    if (!dataRange) return std::nullopt;
    return Slice(file, dataRange->Offset, std::min<uint64_t>(*dataSize, dataRange->Available));
}

}  // namespace zozavud
