// What a job does to the printer memory document: the encoder gives back what was
// registered, deletions make slots fresh, anything damaged changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "CommandEncoder.h"
#include "EditorState.h"
#include "ImageReset.h"
#include "LcdRenderer.h"
#include "PrinterMemory.h"
#include "RecordRender.h"
#include "SameBytes.h"

namespace zozavud {
namespace {

// A fresh memory (English defaults) and the same fresh images on demand.
class MemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.Language.InitLanguage(0x0409);
        RebuildImageSet(state, renderer, [&] { RenderCurrentImage(state, renderer); });
        fresh = std::make_unique<ImageSet>(*state.Set);
    }
    JobVerdict Apply(const QByteArray& job) {
        return ApplyJob(job, *state.Set, [&](ImageSet&, int n) {
            freshCalls.push_back(n);
            state.SelectImage(n);
            ResetImageRecord(state.CurrentRecord(), state.Language, renderer);
            RenderCurrentImage(state, renderer);
        });
    }
    // The entry of image n in the register-all command of a set.
    static QByteArray Entry(const ImageSet& set, int n) {
        return BuildRegisterAllImagesCommand(set).mid(38 + (n - 1) * ImageEntrySize, ImageEntrySize);
    }
    // Every image with its own dots; some blink, some scroll, one carries both flags.
    static std::unique_ptr<ImageSet> Pictures(int seed) {
        auto set = std::make_unique<ImageSet>();
        std::memset(set.get(), 0, sizeof(ImageSet));
        for (int n = 1; n <= ImageCount; ++n) {
            ImageRecord& r = set->Record(n);
            r.ImageNo = static_cast<uint8_t>(n);
            for (int x = 0; x < LcdColumns; ++x)
                for (int y = 0; y < LcdRows; ++y)
                    r.RenderedData[LayerIndex(x, y)] = (x * 7 + y * n + seed) % 5 == 0 ? 0 : ColorBlank;
            r.Blink = n % 3 == 1;
            r.WideBitmap = n % 3 == 2 || n == 4;
        }
        return set;
    }

    EditorState state;
    LcdRenderer renderer;
    std::unique_ptr<ImageSet> fresh;
    std::vector<int> freshCalls;
};

TEST_F(MemoryTest, RegisteredEntriesComeBackByteForByteAndRenderAsSent) {
    const auto sent = Pictures(1);
    ASSERT_TRUE(Apply(BuildRegisterAllImagesCommand(*sent)).Applied);
    test::ExpectSameBytes(BuildRegisterAllImagesCommand(*state.Set), BuildRegisterAllImagesCommand(*sent));
    // The editor re-renders what it shows: the picture and its attributes must survive that.
    for (int n = 1; n <= ImageCount; ++n) {
        SCOPED_TRACE(n);
        state.SelectImage(n);
        RenderCurrentImage(state, renderer);
        EXPECT_EQ(Entry(*state.Set, n), Entry(*sent, n));
    }
}

struct JobCase {
    const char* Name;
    std::function<QByteArray(const ImageSet& sent)> Job;
    bool Applied;
    std::vector<int> Fresh;       // slots made fresh
    std::vector<int> Registered;  // slots that now hold the sent picture
    const char* Slots;
};

void PrintTo(const JobCase& c, std::ostream* os) { *os << c.Name; }

QByteArray Damaged(QByteArray bytes, int offset, char value) {
    bytes[offset] = value;
    return bytes;
}

const JobCase JobCases[] = {
    {"register one",
     [](const ImageSet& s) { return BuildCommand(CommandKind::RegisterImage, s, 7); },
     true,
     {},
     {7},
     "7"},
    {"delete one",
     [](const ImageSet& s) { return BuildCommand(CommandKind::DeleteImage, s, 19); },
     true,
     {19},
     {},
     "19"},
    {"delete all",
     [](const ImageSet&) { return BuildDeleteAllImagesCommand(); },
     true,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
     {},
     "1-19"},
    {"cut short",
     [](const ImageSet& s) { return BuildRegisterAllImagesCommand(s).left(5000); },
     false,
     {},
     {},
     "1-5"},
    {"bad index",
     [](const ImageSet& s) { return Damaged(BuildCommand(CommandKind::RegisterImage, s, 3), 38, 19); },
     false,
     {},
     {},
     "20"},
    {"two commands",
     [](const ImageSet& s) {
         return BuildCommand(CommandKind::RegisterImage, s, 2) + BuildDeleteAllImagesCommand();
     },
     false,
     {},
     {},
     "2"},
    {"garbage", [](const ImageSet&) { return QByteArray(300, '\xA5'); }, false, {}, {}, "-"},
};

class MemoryJobs : public MemoryTest, public ::testing::WithParamInterface<JobCase> {};

TEST_P(MemoryJobs, OnlyAWholeValidJobChangesTheSlotsItNames) {
    const JobCase& c = GetParam();
    const auto sent = Pictures(2);
    // Start from a memory that holds other pictures in every slot.
    ASSERT_TRUE(Apply(BuildRegisterAllImagesCommand(*Pictures(3))).Applied);
    const auto before = std::make_unique<ImageSet>(*state.Set);
    const JobVerdict verdict = Apply(c.Job(*sent));
    EXPECT_EQ(verdict.Applied, c.Applied) << verdict.Problem.toStdString();
    EXPECT_EQ(verdict.Problem.isEmpty(), c.Applied);
    EXPECT_EQ(verdict.Slots.toStdString(), c.Slots);
    EXPECT_EQ(freshCalls, c.Fresh);
    for (int n = 1; n <= ImageCount; ++n) {
        SCOPED_TRACE(n);
        const bool isFresh = std::find(c.Fresh.begin(), c.Fresh.end(), n) != c.Fresh.end();
        const bool isSent = std::find(c.Registered.begin(), c.Registered.end(), n) != c.Registered.end();
        const ImageSet& expected = isFresh ? *fresh : isSent ? *sent : *before;
        EXPECT_EQ(Entry(*state.Set, n), Entry(expected, n));
    }
}

INSTANTIATE_TEST_SUITE_P(Printer, MemoryJobs, ::testing::ValuesIn(JobCases));

TEST(MemorySlots, RunsOfNumbersAreJoined) {
    EXPECT_EQ(SlotList({3, 1, 2, 7, 9, 10}), "1-3,7,9-10");
    EXPECT_EQ(SlotList({}), "-");
}

}  // namespace
}  // namespace zozavud
