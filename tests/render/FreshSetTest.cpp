#include <gtest/gtest.h>

#include <QFontDatabase>

#include "MessageSlots.h"
#include "RenderTestSupport.h"

namespace zozavud {
namespace {

TEST(FreshSet, FileImageMatchesTheDocumentLayout) {
    EditorState state;
    LcdRenderer renderer;
    test::MakeFreshSet(state, renderer);
    const auto* bytes = reinterpret_cast<const uint8_t*>(state.Set.get());
    EXPECT_EQ(std::memcmp(bytes, "LCD1", 4), 0);
    EXPECT_TRUE(std::all_of(bytes + 4, bytes + 4096, [](uint8_t b) { return b == 0; }));
    for (int n = 1; n <= ImageCount; ++n) {
        const uint8_t* r = bytes + 4096 + (n - 1) * 55296;
        EXPECT_EQ(r[0], 0x41);
        EXPECT_EQ(r[1], 0x41);
        EXPECT_EQ(r[2], n);
        EXPECT_EQ(r[4], 0);    // Text1 length
        EXPECT_EQ(r[260], 0);  // Text2 length
        EXPECT_EQ(std::memcmp(r + 520, "\x08\x00\x00\xFF", 4), 0);
        EXPECT_EQ(std::memcmp(r + 524, "\xF4\xFF\xFF\xFF", 4), 0);
        EXPECT_EQ(r[528], 6);  // "Tahoma"
        EXPECT_EQ(std::memcmp(r + 529, "Tahoma", 6), 0);
        for (int i = 0; i < LayerSize; ++i)
            ASSERT_EQ(std::memcmp(r + 4096 + 4 * i, "\xFF\xFF\xFF\x00", 4), 0) << "image " << n;
    }
}

TEST(FreshSet, EveryImageHoldsItsSlotsDefaultMessage) {
    EditorState state;
    LcdRenderer renderer;
    test::MakeFreshSet(state, renderer);
    for (int n = 1; n <= ImageCount; ++n) {
        const ImageRecord& record = state.Set->Record(n);
        const test::LitBounds b = test::Bounds(record);
        EXPECT_GT(b.Count, 20) << n;
        // Re-rendering gives the same picture: nothing depends on what ran before.
        ImageRecord copy = record;
        renderer.Render(copy, RenderContext{});
        EXPECT_EQ(std::memcmp(copy.RenderedData, record.RenderedData, sizeof copy.RenderedData), 0) << n;
        // Only a two-line slot whose second line is wider than the visible width scrolls.
        if (SlotLineCount(n) == 1) {
            EXPECT_EQ(record.Scroll, 0) << n;
        }
    }
    EXPECT_EQ(state.Set->Record(1).Scroll, 0);   // "QD-N801" is narrow
    EXPECT_EQ(state.Set->Record(10).Scroll, 1);  // "Open paper cover & remove jam."
}

TEST(FreshSet, JapaneseLocaleGivesJapaneseRecords) {
    EditorState state;
    LcdRenderer renderer;
    test::MakeFreshSet(state, renderer, 0x0411);
    const ImageRecord& record = state.Set->Record(2);
    EXPECT_EQ(record.FontCharset, 128);
    EXPECT_EQ(QByteArray(record.FontName.Bytes, record.FontName.Length), "MS UI Gothic");
    EXPECT_GT(test::Bounds(record).Count, 20);
}

}  // namespace
}  // namespace zozavud
