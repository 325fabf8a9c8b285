#include "ImageEditing.h"

#include <cstring>

#include "BitmapImport.h"
#include "CodePage.h"
#include "ImageReset.h"
#include "MessageSlots.h"
#include "RecordRender.h"
#include "RecordTexts.h"
#include "ShortString.h"

namespace zozavud {

namespace {

// Typing in one box merges into one step; each box has its own key.
constexpr int MergeKeyText1 = 1;  // and MergeKeyText1 + 1 for line 2
constexpr int MergeKeyOffset = 3;

}  // namespace

ImageEditing::ImageEditing() = default;

std::vector<int> ImageEditing::AllImages() {
    std::vector<int> all(ImageCount);
    for (int n = 1; n <= ImageCount; ++n) all[n - 1] = n;
    return all;
}

RenderOutcome ImageEditing::Render() {
    const RenderOutcome outcome = RenderCurrentImage(state_, renderer_);
    if (listener_) listener_(outcome);
    return outcome;
}

ShownBoxes ImageEditing::Boxes() const {
    if (boxes_) return boxes_();
    return {state_.CurrentImage, ShownTexts(state_.CurrentRecord())};
}

void ImageEditing::Step(std::vector<int> images, const std::function<void()>& change, int mergeKey) {
    if (stepDepth_ > 0) {
        change();
        return;
    }
    // The boxes as they were before: a change of a box's text runs after the box changed.
    EditStep step = EditHistory::Begin(*state_.Set, std::move(images), state_.CurrentImage, mergeKey, shown_);
    ++stepDepth_;
    change();
    --stepDepth_;
    history_.Commit(*state_.Set, std::move(step), clock_(), Boxes());
    if (historyListener_) historyListener_();
}

void ImageEditing::WithoutStep(const std::function<void()>& change) {
    ++stepDepth_;
    change();
    --stepDepth_;
}

EditResult ImageEditing::Edit(std::vector<int> images, bool asStep, int mergeKey,
                              const std::function<QString()>& change) {
    std::vector<ImageRecord> before;
    before.reserve(images.size());
    for (int n : images) before.push_back(state_.Set->Record(n));
    EditResult result;
    const auto run = [&] {
        result.Error = change();
        if (result.Error.isEmpty()) result.Outcome = Render();
    };
    if (asStep)
        Step(images, run, mergeKey);
    else
        run();
    for (std::size_t i = 0; i < images.size() && !result.Changed; ++i)
        result.Changed = std::memcmp(&before[i], &state_.Set->Record(images[i]), sizeof(ImageRecord)) != 0;
    return result;
}

EditResult ImageEditing::EditCurrent(const std::function<QString()>& change, int mergeKey) {
    return Edit({state_.CurrentImage}, true, mergeKey, change);
}

EditResult ImageEditing::SetText(int line, const QString& text) {
    return EditCurrent(
        [&] {
            ImageRecord& record = state_.CurrentRecord();
            ShortString& field = line == 1 ? record.Text1 : record.Text2;
            StoreShortString(field, EncodeTextKeeping(text, ShortStringBytes(field), record.FontCharset));
            return QString();
        },
        MergeKeyText1 + (line == 1 ? 0 : 1));
}

EditResult ImageEditing::ApplyFont(const FontSpec& font, const RecordTexts& shown) {
    return EditCurrent([&] {
        StoreChosenFont(state_.CurrentRecord(), font, shown);
        state_.Modified = true;
        return QString();
    });
}

EditResult ImageEditing::ApplyFontToAll(const FontSpec& font, const ShownBoxes& typed) {
    return Edit(AllImages(), true, 0, [&] {
        for (int n = 1; n <= ImageCount; ++n) {
            ImageRecord& record = state_.Set->Record(n);
            StoreChosenFont(record, font, n == typed.Image ? typed.Texts : ShownTexts(record));
            state_.Modified = true;
            state_.SelectImage(n);
            if (n < ImageCount) Render();  // the last is rendered once the edit ends
        }
        return QString();
    });
}

EditResult ImageEditing::SetOffset(int32_t offset) {
    if (offset == state_.CurrentRecord().VerticalPositionOffset) return {};
    return EditCurrent(
        [&] {
            state_.CurrentRecord().VerticalPositionOffset = offset;
            state_.Modified = true;
            return QString();
        },
        MergeKeyOffset);
}

EditResult ImageEditing::SetScroll(bool scroll) {
    return Edit({state_.CurrentImage}, false, 0, [&] {
        state_.CurrentRecord().Scroll = scroll ? 1 : 0;
        return QString();
    });
}

EditResult ImageEditing::SetBlink(bool blink) {
    return Edit({state_.CurrentImage}, false, 0, [&] {
        state_.CurrentRecord().Blink = blink ? 1 : 0;
        state_.Modified = true;
        return QString();
    });
}

EditResult ImageEditing::ImportBitmapFile(const QString& path) {
    return EditCurrent([&] {
        QString error;
        if (!ImportBitmap(path, state_.CurrentRecord(), SlotLineCount(state_.CurrentImage), &error))
            return error;
        state_.Modified = true;
        return QString();
    });
}

EditResult ImageEditing::ImportPictureFile(const QString& path, const PictureOptions& options) {
    return EditCurrent([&] {
        QString error;
        if (!ImportPicture(path, state_.CurrentRecord(), SlotLineCount(state_.CurrentImage), options, &error))
            return error;
        state_.Modified = true;
        return QString();
    });
}

EditResult ImageEditing::ClearBitmap() {
    return EditCurrent([&] {
        ClearBitmapData(state_.CurrentRecord());
        state_.Modified = true;
        return QString();
    });
}

EditResult ImageEditing::ClearImage() {
    return EditCurrent([&] {
        ResetImageRecord(state_.CurrentRecord(), state_.Language, renderer_);
        return QString();
    });
}

void ImageEditing::ResetSet() {
    RebuildImageSet(state_, renderer_, [this] { Render(); });
    history_.Clear();
    state_.Modified = false;
}

EditResult ImageEditing::SelectLanguage(MessageLanguage language,
                                        const std::function<void()>& uncheckEnglishBox) {
    state_.Language.SetSelectedLanguage(language, uncheckEnglishBox);
    state_.Language.RecomputeMessageFont();
    return {false, {}, Render()};
}

EditResult ImageEditing::SetEnglishOverride(bool english) {
    state_.Language.EnglishOverride = english;
    state_.Language.RecomputeMessageFont();
    return {false, {}, Render()};
}

std::optional<RestoredStep> ImageEditing::Undo() {
    std::optional<RestoredStep> restored = history_.Undo(*state_.Set);
    if (restored) state_.Modified = true;
    return restored;
}

std::optional<RestoredStep> ImageEditing::Redo() {
    std::optional<RestoredStep> restored = history_.Redo(*state_.Set);
    if (restored) state_.Modified = true;
    return restored;
}

}  // namespace zozavud
