#include "CodePageTable.h"

#include <array>
#include <iterator>
#include <memory>
#include <mutex>

namespace zozavud {

namespace {

template <std::size_t N>
constexpr std::u16string_view Entries(const char16_t (&text)[N]) {
    return std::u16string_view(text, N - 1);
}

#include "CodePageTables.inc"

// The markers of the generated entries: a count and a character follow each.
constexpr char16_t CountingUp = 0xFFFF;
constexpr char16_t Repeated = 0xFFFE;

// Reads the entries of a generated string one by one, runs and repeats unfolded.
class EntryReader {
public:
    explicit EntryReader(std::u16string_view entries) : entries_(entries) {}
    bool AtEnd() const { return left_ == 0 && position_ >= entries_.size(); }
    char16_t Next() {
        if (left_ == 0) Start();
        if (left_ == 0) return 0;
        --left_;
        const char16_t value = current_;
        if (counting_) ++current_;
        return value;
    }

private:
    void Start() {
        if (position_ >= entries_.size()) return;
        const char16_t first = entries_[position_++];
        counting_ = first == CountingUp;
        if ((first != CountingUp && first != Repeated) || position_ + 2 > entries_.size()) {
            current_ = first;
            left_ = 1;
            return;
        }
        left_ = entries_[position_++];
        current_ = entries_[position_++];
    }

    std::u16string_view entries_;
    std::size_t position_ = 0;
    std::size_t left_ = 0;
    char16_t current_ = 0;
    bool counting_ = false;
};

}  // namespace

CodePageTable::CodePageTable(const CodePageSource& source)
    : codePage_(source.CodePage),
      defaultChar_(source.DefaultChar),
      defaultCharBytes_(source.DefaultCharBytes) {
    SetLeadRanges(source.LeadRanges, 12);
    ReadMultiByte(source);
    DeriveWideChar(source);
}

// Pairs of first and last lead byte, ended by 0; the single bytes' row is filled with the
// default character.
void CodePageTable::SetLeadRanges(const uint8_t* ranges, int count) {
    int rows = 1;
    for (int i = 0; i + 1 < count && ranges[i] != 0; i += 2)
        for (int lead = ranges[i]; lead <= ranges[i + 1]; ++lead)
            rowOfLead_[lead] = static_cast<uint16_t>(rows++);
    multiByte_.assign(static_cast<std::size_t>(rows) * 256, defaultChar_);
}

void CodePageTable::ReadMultiByte(const CodePageSource& source) {
    EntryReader reader(source.MultiByte);
    for (char16_t& entry : multiByte_) {
        if (reader.AtEnd()) break;
        entry = reader.Next();
    }
}

// The inverse of the bytes, with the same rule as the generator: the last sequence that
// reads as a character writes it, and none writes the default character. The generated
// exceptions then give the look-alikes and the platform's own choices.
void CodePageTable::DeriveWideChar(const CodePageSource& source) {
    wideChar_.assign(0x10000, source.DefaultBytes);
    for (int byte = 0; byte < 256; ++byte)
        if (!IsLeadByte(static_cast<uint8_t>(byte)) && multiByte_[byte] != source.DefaultChar)
            wideChar_[multiByte_[byte]] = static_cast<uint16_t>(byte);
    for (int lead = 0; lead < 256; ++lead) {
        if (!IsLeadByte(static_cast<uint8_t>(lead))) continue;
        for (int trail = 1; trail < 256; ++trail) {
            const char16_t unit = Read(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
            if (unit != source.DefaultChar) wideChar_[unit] = static_cast<uint16_t>(lead << 8 | trail);
        }
    }
    const std::u16string_view exceptions = source.WideChar;
    for (std::size_t i = 0; i + 1 < exceptions.size();) {
        std::size_t count = 1;
        if (exceptions[i] == CountingUp && i + 3 < exceptions.size()) {
            count = exceptions[i + 1];
            i += 2;
        }
        for (std::size_t k = 0; k < count; ++k)
            wideChar_[static_cast<char16_t>(exceptions[i] + k)] =
                static_cast<uint16_t>(exceptions[i + 1] + k);
        i += 2;
    }
}

const CodePageTable* CodePageTable::Find(int codePage) {
    constexpr std::size_t count = std::size(CodePageSources);
    static std::array<std::once_flag, count> built;
    static std::array<std::unique_ptr<const CodePageTable>, count> tables;
    for (std::size_t i = 0; i < count; ++i) {
        if (CodePageSources[i].CodePage != codePage) continue;
        std::call_once(built[i], [i] { tables[i].reset(new CodePageTable(CodePageSources[i])); });
        return tables[i].get();
    }
    return nullptr;
}

#ifndef _WIN32
const CodePageTable* CodePageTable::System(int codePage) { return Find(codePage); }
#endif

}  // namespace zozavud
