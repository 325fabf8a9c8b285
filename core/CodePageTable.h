#pragma once
// The platform's conversion tables of one code page, made from the generated sources in
// CodePageTables.inc (scripts/gen-codepage-tables.py writes them from the platform's own
// tables): what each byte or byte pair reads as, and what each UTF-16 code unit is
// written as, look-alikes included.

#include <cstdint>
#include <string_view>
#include <vector>

namespace zozavud {

// One code page as the generated sources give it.
struct CodePageSource {
    uint16_t CodePage;
    uint16_t DefaultBytes;      // written for a character the page lacks
    uint16_t DefaultChar;       // read for a lead byte without a trail or an undefined pair
    uint16_t DefaultCharBytes;  // the bytes that hold DefaultChar itself
    uint8_t LeadRanges[12];     // pairs of first and last lead byte, ended by 0
    std::u16string_view MultiByte;
    std::u16string_view WideChar;
};

class CodePageTable {
public:
    // The table of a code page the generated sources hold (built at its first use, by
    // one thread, then shared), or nullptr.
    static const CodePageTable* Find(int codePage);
    // The table the running system converts with: the generated one, except on Windows,
    // where it is read from the platform's own conversion of every byte, pair and code
    // unit (CodePageTableWindows.cpp). nullptr for a page the system does not have.
    static const CodePageTable* System(int codePage);

    int CodePage() const { return codePage_; }
    bool IsLeadByte(uint8_t byte) const { return rowOfLead_[byte] != 0; }
    char16_t Read(uint8_t byte) const { return multiByte_[byte]; }
    char16_t Read(uint8_t lead, uint8_t trail) const { return multiByte_[rowOfLead_[lead] * 256 + trail]; }
    // One byte, or a lead byte (above 0xFF) and a trail byte.
    uint16_t Write(char16_t unit) const { return wideChar_[unit]; }
    char16_t DefaultChar() const { return defaultChar_; }
    uint16_t DefaultCharBytes() const { return defaultCharBytes_; }

private:
    explicit CodePageTable(const CodePageSource& source);
    CodePageTable() = default;
    void SetLeadRanges(const uint8_t* ranges, int count);
    void ReadMultiByte(const CodePageSource& source);
    void DeriveWideChar(const CodePageSource& source);
    static CodePageTable* FromPlatform(int codePage);

    int codePage_ = 0;
    char16_t defaultChar_ = u'?';
    uint16_t defaultCharBytes_ = '?';
    uint16_t rowOfLead_[256] = {};     // 0 for a single byte
    std::vector<char16_t> multiByte_;  // 256 single bytes, then 256 trails per lead byte
    std::vector<uint16_t> wideChar_;   // one entry per UTF-16 code unit
};

}  // namespace zozavud
