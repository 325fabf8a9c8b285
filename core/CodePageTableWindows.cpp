// The tables of the code pages as the running system converts them: every single byte,
// every lead and trail pair and every UTF-16 code unit put through MultiByteToWideChar and
// WideCharToMultiByte with default flags, once, at the page's first use.
#include <windows.h>

#include <map>
#include <memory>
#include <mutex>

#include "CodePageTable.h"

namespace zozavud {

namespace {

uint16_t Written(int codePage, char16_t unit) {
    const auto wide = static_cast<wchar_t>(unit);
    char bytes[4] = {};
    const int n = WideCharToMultiByte(UINT(codePage), 0, &wide, 1, bytes, sizeof bytes, nullptr, nullptr);
    if (n == 2) return static_cast<uint16_t>(uint8_t(bytes[0]) << 8 | uint8_t(bytes[1]));
    return n == 1 ? uint8_t(bytes[0]) : uint16_t('?');
}

// What the bytes read as when they make one character; fallback when they do not.
char16_t ReadBytes(int codePage, const char* bytes, int count, char16_t fallback) {
    wchar_t wide[4] = {};
    const int n = MultiByteToWideChar(UINT(codePage), 0, bytes, count, wide, 4);
    return n == 1 ? static_cast<char16_t>(wide[0]) : fallback;
}

}  // namespace

CodePageTable* CodePageTable::FromPlatform(int codePage) {
    CPINFOEXW info{};
    if (!GetCPInfoExW(UINT(codePage), 0, &info)) return nullptr;
    auto* table = new CodePageTable();
    table->codePage_ = codePage;
    table->defaultChar_ = static_cast<char16_t>(info.UnicodeDefaultChar);
    table->defaultCharBytes_ = Written(codePage, table->defaultChar_);
    table->SetLeadRanges(info.LeadByte, MAX_LEADBYTES);
    for (int byte = 0; byte < 256; ++byte) {
        const char single = static_cast<char>(byte);
        table->multiByte_[size_t(byte)] = table->IsLeadByte(uint8_t(byte))
                                              ? char16_t{0}
                                              : ReadBytes(codePage, &single, 1, table->defaultChar_);
        if (!table->IsLeadByte(uint8_t(byte))) continue;
        for (int trail = 0; trail < 256; ++trail) {
            const char pair[2] = {single, static_cast<char>(trail)};
            table->multiByte_[size_t(table->rowOfLead_[byte]) * 256 + size_t(trail)] =
                ReadBytes(codePage, pair, 2, table->defaultChar_);
        }
    }
    table->wideChar_.resize(0x10000);
    for (int unit = 0; unit < 0x10000; ++unit)
        table->wideChar_[size_t(unit)] = Written(codePage, char16_t(unit));
    return table;
}

const CodePageTable* CodePageTable::System(int codePage) {
    static std::mutex lock;
    static std::map<int, std::unique_ptr<const CodePageTable>> tables;
    const std::lock_guard guard(lock);
    auto it = tables.find(codePage);
    if (it == tables.end()) it = tables.emplace(codePage, FromPlatform(codePage)).first;
    return it->second.get();
}

}  // namespace zozavud
