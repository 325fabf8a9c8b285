// Only the Windows build can make this check: our code page tables, which the Linux
// program converts with, against the platform's own conversion of every byte, every lead
// and trail pair and every UTF-16 code unit, and of whole texts.
#include <windows.h>

#include <gtest/gtest.h>

#include <QString>

#include "CharsetNames.h"
#include "CodePage.h"
#include "CodePageTable.h"

namespace zozavud {
namespace {

// Every charset the documents name, each page once.
std::vector<std::pair<int, uint8_t>> PagesOfCharsets() {
    std::vector<std::pair<int, uint8_t>> pages;
    for (int charset = 0; charset < 256; ++charset) {
        const int page = CharsetCodePage(uint8_t(charset));
        if (std::none_of(pages.begin(), pages.end(), [&](const auto& p) { return p.first == page; }))
            pages.emplace_back(page, uint8_t(charset));
    }
    return pages;
}

int CountDifferences(const CodePageTable& ours, const CodePageTable& system) {
    int differences = 0;
    auto differ = [&](bool same, const char* what, int at) {
        if (same) return;
        if (++differences <= 5)
            ADD_FAILURE() << "code page " << ours.CodePage() << ": " << what << " 0x" << std::hex << at;
    };
    differ(ours.DefaultChar() == system.DefaultChar(), "default character", ours.DefaultChar());
    for (int byte = 0; byte < 256; ++byte) {
        const auto b = uint8_t(byte);
        differ(ours.IsLeadByte(b) == system.IsLeadByte(b), "lead byte", byte);
        if (!ours.IsLeadByte(b))
            differ(ours.Read(b) == system.Read(b), "byte read as", byte);
        else
            for (int trail = 1; trail < 256; ++trail)
                differ(ours.Read(b, uint8_t(trail)) == system.Read(b, uint8_t(trail)), "pair read as",
                       byte << 8 | trail);
    }
    for (int unit = 0; unit < 0x10000; ++unit)
        differ(ours.Write(char16_t(unit)) == system.Write(char16_t(unit)), "code unit written as", unit);
    return differences;
}

TEST(CodePagePlatform, OurTablesConvertEveryCharacterAsThePlatformDoes) {
    for (const auto& [page, charset] : PagesOfCharsets()) {
        const CodePageTable* ours = CodePageTable::Find(page);
        const CodePageTable* system = CodePageTable::System(page);
        ASSERT_TRUE(ours && system) << "code page " << page;
        EXPECT_EQ(CountDifferences(*ours, *system), 0) << "code page " << page;
    }
}

// The platform converts a text as it converts each of its code units: whole texts, every
// code unit in a run, come out as the units one by one do.
TEST(CodePagePlatform, WholeTextsConvertAsTheirCodeUnitsDo) {
    for (const auto& [page, charset] : PagesOfCharsets()) {
        for (int start = 1; start < 0x10000; start += 100) {
            QString text;
            for (int unit = start; unit < std::min(start + 100, 0x10000); ++unit)
                text += QChar(char16_t(unit));
            const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
            std::string bytes(size_t(text.size()) * 2, '\0');
            const int n = WideCharToMultiByte(UINT(page), 0, wide, int(text.size()), bytes.data(),
                                              int(bytes.size()), nullptr, nullptr);
            ASSERT_EQ(QByteArray(bytes.data(), n), EncodeText(text, charset, 1 << 20))
                << "code page " << page << " from U+" << std::hex << start;
        }
    }
}

}  // namespace
}  // namespace zozavud
