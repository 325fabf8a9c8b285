// The edits without a window: what each leaves in the history and in Modified, and typing
// taken back again.
#include <gtest/gtest.h>

#include <functional>

#include "ImageEditing.h"
#include "ShortString.h"

namespace zozavud {
namespace {

// Typed and deleted again within the pause: nothing is left to undo, and the next typing
// starts a step of its own instead of merging into the one that went.
TEST(EditHistory, TypingTakenBackAgainLeavesNoEmptyStep) {
    auto set = std::make_unique<ImageSet>();
    EditHistory history;
    const auto type = [&](const char* text, int64_t ms) {
        EditStep step = EditHistory::Begin(*set, {1}, 1, 1, {});
        StoreShortString(set->Record(1).Text1, text);
        history.Commit(*set, std::move(step), ms, {});
    };
    type("a", 0);
    type("", 100);
    EXPECT_FALSE(history.CanUndo());
    type("b", 200);
    EXPECT_EQ(history.UndoCount(), 1u);
}

TEST(ImageEditing, EachEditKeepsItsOwnRuleForTheHistoryAndModified) {
    const struct {
        const char* Name;
        std::function<EditResult(ImageEditing&)> Edit;
        std::size_t Steps;
        bool Modified, Changed;
    } cases[] = {
        {"text", [](ImageEditing& e) { return e.SetText(2, "x"); }, 1, false, true},  // the keys set Modified
        {"offset", [](ImageEditing& e) { return e.SetOffset(-24); }, 1, true, true},
        {"the offset it has",
         [](ImageEditing& e) { return e.SetOffset(e.State().CurrentRecord().VerticalPositionOffset); }, 0,
         false, false},
        {"blink", [](ImageEditing& e) { return e.SetBlink(true); }, 0, true, true},
        {"clear", [](ImageEditing& e) { return e.ClearImage(); }, 1, false, true},
        {"a missing bitmap", [](ImageEditing& e) { return e.ImportBitmapFile("/nonexistent/x.bmp"); }, 0,
         false, false},
        {"font in all images", [](ImageEditing& e) { return e.ApplyFontToAll(FontSpec{}, {}); }, 1, true,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ImageEditing editing;
        editing.ResetSet();
        editing.State().SelectImage(3);
        StoreShortString(editing.State().CurrentRecord().Text1, "typed");
        const EditResult result = c.Edit(editing);
        EXPECT_EQ(editing.History().UndoCount(), c.Steps);
        EXPECT_EQ(result.Changed, c.Changed);
        EXPECT_EQ(editing.State().Modified, c.Modified);
    }
}

}  // namespace
}  // namespace zozavud
