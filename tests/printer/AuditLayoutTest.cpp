#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "CommandAudit.h"
#include "PrinterTestData.h"
#include "SameBytes.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

QByteArray Golden(const char* name) { return test::ReadWholeFile(test::GoldenPath(name)); }

QByteArray BlockBytes(const PixelBlock& block) {
    return QByteArray(reinterpret_cast<const char*>(block.data()), PixelBlockSize);
}

std::vector<int64_t> ProblemOffsets(const Audit& audit) {
    std::vector<int64_t> offsets;
    for (const auto& problem : audit.Problems) offsets.push_back(problem.Offset);
    return offsets;
}

std::string Describe(const Audit& audit) {
    std::string text;
    for (const auto& p : audit.Problems)
        text += std::to_string(p.Offset) + ": " + p.Message.toStdString() + "\n";
    return text;
}

TEST(AuditGolden, EveryGoldenCommandFileIsClean) {
    const QStringList names = QDir(test::GoldenPath("")).entryList({"*.prn"}, QDir::Files);
    ASSERT_GE(names.size(), 9);
    for (const QString& name : names) {
        const QByteArray bytes = test::ReadWholeFile(test::GoldenPath(name));
        const Audit audit = AuditCommands(bytes);
        EXPECT_TRUE(audit.Clean()) << name.toStdString() << "\n" << Describe(audit);
        ASSERT_EQ(audit.Commands.size(), 1u) << name.toStdString();
        const AuditedCommand& command = audit.Commands[0];
        EXPECT_EQ(command.BodyLength, static_cast<uint32_t>(bytes.size() - CommandPrefixSize));
        for (const AuditedEntry& entry : command.Entries) {
            EXPECT_TRUE(entry.Complete);
            // The pixels handed on are the file's own bytes.
            test::ExpectSameBytes(BlockBytes(entry.Pixels), bytes.mid(entry.Offset + 7, PixelBlockSize),
                                  name);
        }
    }
}

TEST(AuditGolden, EntriesCarryTheDocumentsAttributes) {
    const auto set = test::LoadGoldenDocument("edited.lcd");
    ASSERT_TRUE(set);
    const Audit audit = AuditCommands(Golden("edited_regist_all.prn"));
    ASSERT_EQ(audit.Commands.size(), 1u);
    const auto& entries = audit.Commands[0].Entries;
    ASSERT_EQ(entries.size(), 19u);
    for (int n = 1; n <= ImageCount; ++n) {
        const AuditedEntry& entry = entries[n - 1];
        const EntryBytes expected = EntryAttributes(set->Record(n));
        EXPECT_EQ(entry.Offset, 38 + 1031 * (n - 1));
        EXPECT_EQ(entry.Index, n - 1);
        EXPECT_EQ(entry.Blink, expected.Blink) << n;
        EXPECT_EQ(entry.Scroll, expected.Scroll) << n;
        test::ExpectSameBytes(BlockBytes(entry.Pixels), BlockBytes(PackImagePixels(set->Record(n))),
                              QStringLiteral("image %1").arg(n));
    }
}

TEST(AuditGolden, KindsAndDeleteIndexes) {
    const Audit del = AuditCommands(Golden("fresh_delete_19.prn"));
    ASSERT_EQ(del.Commands.size(), 1u);
    EXPECT_EQ(del.Commands[0].Kind, CommandKind::DeleteImage);
    EXPECT_EQ(del.Commands[0].DeleteIndex, 18);
    EXPECT_EQ(AuditCommands(Golden("delete_all.prn")).Commands[0].Kind, CommandKind::DeleteAllImages);
    EXPECT_EQ(AuditCommands(Golden("fresh_regist_07.prn")).Commands[0].Entries[0].Index, 6);
}

struct DamageCase {
    const char* Name;
    const char* Golden;
    std::function<void(QByteArray&)> Damage;
    std::vector<int64_t> Offsets;  // every problem expected, in order
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.Name; }

void Put(QByteArray& bytes, int offset, uint8_t value) { bytes[offset] = static_cast<char>(value); }

const DamageCase DamageCases[] = {
    {"short", "fresh_regist_07.prn", [](QByteArray& b) { b.truncate(500); }, {32, 38}},
    {"short within the header", "fresh_regist_07.prn", [](QByteArray& b) { b.truncate(20); }, {20}},
    {"short within the lead-in", "delete_all.prn", [](QByteArray& b) { b.truncate(5); }, {5}},
    {"length field too long", "fresh_regist_07.prn", [](QByteArray& b) { Put(b, 32, 0x0A); }, {32}},
    {"length field too short", "fresh_regist_07.prn", [](QByteArray& b) { Put(b, 32, 0x08); }, {32}},
    {"length field of a delete", "fresh_delete_19.prn", [](QByteArray& b) { Put(b, 32, 4); }, {32}},
    {"wrong lead-in", "fresh_regist_07.prn", [](QByteArray& b) { Put(b, 3, 0x2B); }, {3}},
    {"wrong header name", "edited_regist_04.prn", [](QByteArray& b) { Put(b, 13, 'X'); }, {13}},
    {"wrong header spaces", "edited_regist_04.prn", [](QByteArray& b) { Put(b, 31, 0); }, {31}},
    {"bad function code", "fresh_regist_07.prn", [](QByteArray& b) { Put(b, 37, 'q'); }, {36}},
    {"bad entry index", "fresh_regist_07.prn", [](QByteArray& b) { Put(b, 38, 19); }, {38}},
    {"bad index in register-all",
     "fresh_regist_all.prn",
     [](QByteArray& b) { Put(b, 38 + 1031 * 5, 0xFF); },
     {38 + 1031 * 5}},
    {"index twice", "fresh_regist_all.prn", [](QByteArray& b) { Put(b, 38 + 1031, 0); }, {38 + 1031}},
    {"blink and scroll both set", "fresh_regist_07.prn", [](QByteArray& b) { Put(b, 39, 1); }, {39}},
    {"blink byte not 0 or 1", "handmade_regist_01.prn", [](QByteArray& b) { Put(b, 39, 2); }, {39}},
    {"row geometry", "fresh_regist_07.prn", [](QByteArray& b) { Put(b, 43, 0x21); }, {43}},
    {"non-zero padding row",
     "fresh_regist_07.prn",
     [](QByteArray& b) { Put(b, 45 + 800 + 33, 0x01); },
     {45 + 800 + 33}},
    {"last padding byte", "edited_regist_all.prn", [](QByteArray& b) { Put(b, 19626, 0x80); }, {19626}},
    {"delete index", "fresh_delete_19.prn", [](QByteArray& b) { Put(b, 38, 19); }, {38}},
    {"delete-all text", "delete_all.prn", [](QByteArray& b) { Put(b, 40, 'X'); }, {40}},
    {"noise before a command", "delete_all.prn", [](QByteArray& b) { b.prepend("junk"); }, {0}},
    {"noise after a command", "fresh_delete_19.prn", [](QByteArray& b) { b.append("\r\n"); }, {39}},
    {"empty file", "delete_all.prn", [](QByteArray& b) { b.clear(); }, {0}},
    // Lengths that fit another layout must not pass for the one that follows.
    {"register-all framed as one entry",
     "fresh_regist_all.prn",
     [](QByteArray& b) { b.replace(32, 4, QByteArray::fromHex("09040000")); },
     {32}},
    {"register-all framed as two entries",
     "edited_regist_all.prn",
     [](QByteArray& b) { b.replace(32, 4, QByteArray::fromHex("10080000")); },
     {32}},
    {"register framed as a delete",
     "fresh_regist_07.prn",
     [](QByteArray& b) { b.replace(32, 4, QByteArray::fromHex("03000000")); },
     {32}},
    {"a second command", "delete_all.prn", [](QByteArray& b) { b += Golden("delete_all.prn"); }, {41}},
};

class AuditDamaged : public ::testing::TestWithParam<DamageCase> {};

TEST_P(AuditDamaged, NamesTheOffset) {
    const DamageCase& c = GetParam();
    QByteArray bytes = Golden(c.Golden);
    c.Damage(bytes);
    const Audit audit = AuditCommands(bytes);
    EXPECT_EQ(ProblemOffsets(audit), c.Offsets) << Describe(audit);
}

INSTANTIATE_TEST_SUITE_P(Printer, AuditDamaged, ::testing::ValuesIn(DamageCases));

TEST(AuditSequence, CommandsBackToBackAreReadInTurn) {
    const QByteArray job =
        Golden("delete_all.prn") + Golden("fresh_regist_all.prn") + Golden("fresh_delete_19.prn");
    const Audit audit = AuditCommands(job);
    // A file holds one command: each further one is named, and still read.
    EXPECT_EQ(ProblemOffsets(audit), (std::vector<int64_t>{41, 41 + 19627})) << Describe(audit);
    ASSERT_EQ(audit.Commands.size(), 3u);
    EXPECT_EQ(audit.Commands[1].Offset, 41);
    EXPECT_EQ(audit.Commands[1].Entries.size(), 19u);
    EXPECT_EQ(audit.Commands[2].Offset, 41 + 19627);

    const RegisteredPictures held = ReplayCommands(audit);
    for (int i = 0; i < 18; ++i) EXPECT_TRUE(held.Slots[i].has_value()) << i;
    EXPECT_FALSE(held.Slots[18].has_value());  // deleted last
}

TEST(AuditSequence, DamagedLengthDoesNotHideTheNextCommand) {
    QByteArray first = Golden("fresh_regist_07.prn");
    first[33] = 0x05;  // length 0x0509
    const Audit audit = AuditCommands(first + Golden("edited_regist_04.prn"));
    EXPECT_EQ(ProblemOffsets(audit), (std::vector<int64_t>{32, 1069})) << Describe(audit);
    ASSERT_EQ(audit.Commands.size(), 2u);
    EXPECT_EQ(audit.Commands[1].Offset, 1069);
    EXPECT_EQ(audit.Commands[1].Entries[0].Index, 3);
}

TEST(AuditSequence, ReplayKeepsTheLastRegistrationAndDropsIncompleteEntries) {
    QByteArray cut = Golden("edited_regist_04.prn");
    cut.truncate(600);
    const QByteArray job =
        Golden("fresh_regist_all.prn") + Golden("delete_all.prn") + Golden("fresh_regist_07.prn") + cut;
    const RegisteredPictures held = ReplayCommands(AuditCommands(job));
    for (int i = 0; i < ImageCount; ++i) EXPECT_EQ(held.Slots[i].has_value(), i == 6) << i;
}

TEST(AuditBounds, FloodOfTinyDamagedCommandsKeepsOnlyTheFirstProblemsAndCommands) {
    QByteArray tiny = Golden("fresh_delete_19.prn");
    tiny[38] = 19;  // index out of range: one problem of its own per command
    const int copies = 20000;
    QByteArray flood;
    for (int i = 0; i < copies; ++i) flood += tiny;
    const Audit audit = AuditCommands(flood);
    EXPECT_EQ(audit.CommandCount, copies);
    EXPECT_EQ(audit.ProblemCount, 2 * copies - 1);  // the bad index, and every command past the first
    EXPECT_EQ(audit.Commands.size(), static_cast<size_t>(AuditKeptCommands));
    EXPECT_EQ(audit.Problems.size(), static_cast<size_t>(AuditKeptProblems));
    EXPECT_EQ(audit.Problems.back().Offset, 50 * 39);  // the 100th, in file order
    EXPECT_EQ(audit.SoleCommand(), nullptr);
}

}  // namespace
}  // namespace zozavud
