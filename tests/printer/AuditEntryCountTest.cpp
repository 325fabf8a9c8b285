#include <gtest/gtest.h>

#include <numeric>

#include "CommandAudit.h"

namespace zozavud {
namespace {

// A register command written out by hand: lead-in, header, length, "0p", then entries
// for the indexes given, each with no dots.
QByteArray RegisterCommand(const std::vector<int>& indexes) {
    const uint32_t length = 2 + 1031 * static_cast<uint32_t>(indexes.size());
    QByteArray bytes = QByteArray::fromHex("1214052A3D213F2523") + "\x1D(yLCD                 ";
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(length >> (8 * i));
    bytes += "0p";
    for (const int index : indexes) {
        QByteArray entry(1031, '\0');
        entry[0] = static_cast<char>(index);
        entry.replace(3, 4, QByteArray::fromHex("20002000"));
        bytes += entry;
    }
    return bytes;
}

// The printer holds 19 pictures: a longer register command is refused at its length
// field, whatever its entries say.
TEST(AuditEntryCount, RegisterWithMoreThanNineteenEntriesIsRefused) {
    struct Case {
        std::vector<int> Indexes;
        bool Clean;
    };
    std::vector<int> nineteen(19);
    std::iota(nineteen.begin(), nineteen.end(), 0);
    std::vector<int> twenty = nineteen;
    twenty.push_back(3);
    std::vector<int> twentyFive = twenty;
    twentyFive.insert(twentyFive.end(), {4, 5, 6, 7, 8});
    for (const Case& c : {Case{nineteen, true}, Case{twenty, false}, Case{twentyFive, false}}) {
        const Audit audit = AuditCommands(RegisterCommand(c.Indexes));
        const size_t count = c.Indexes.size();
        EXPECT_EQ(audit.Clean(), c.Clean) << count;
        if (c.Clean) continue;
        ASSERT_FALSE(audit.Problems.empty()) << count;
        EXPECT_EQ(audit.Problems.front().Offset, 32) << count;
        EXPECT_TRUE(audit.Problems.front().Message.contains("1..19 entries"))
            << audit.Problems.front().Message.toStdString();
        EXPECT_EQ(audit.SoleCommand(), nullptr) << count;
    }
}

}  // namespace
}  // namespace zozavud
