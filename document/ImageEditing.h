#pragma once
// The edits of a document's images, without any window: the editor state, the render of the
// current image and the undo history live here, and each edit applies its rules once, for
// the editor's window and for zozavud-cli edit alike. Every edit works on the current image,
// renders it and runs as one step of the history (an edit inside another's step belongs
// to that step).

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "EditHistory.h"
#include "EditorState.h"
#include "LcdRenderer.h"
#include "PictureConversion.h"
#include "RecordFont.h"

namespace zozavud {

// What an edit did.
struct EditResult {
    bool Changed = false;  // a record of the document changed
    QString Error;         // why a file was refused; the record is as it was
    RenderOutcome Outcome;
};

class ImageEditing {
public:
    ImageEditing();

    EditorState& State() { return state_; }
    const EditorState& State() const { return state_; }
    LcdRenderer& Renderer() { return renderer_; }
    EditHistory& History() { return history_; }

    // Told the outcome of every render of the current image; the window shows it.
    void SetRenderListener(std::function<void(const RenderOutcome&)> listener) {
        listener_ = std::move(listener);
    }
    // Told after each step was kept or dropped, and after an undo or redo.
    void SetHistoryListener(std::function<void()> listener) { historyListener_ = std::move(listener); }
    // Milliseconds of a steady clock, for the pauses that end a run of typing.
    void SetClock(std::function<int64_t()> clock) { clock_ = std::move(clock); }
    // What the text boxes show, kept with each step; without boxes, the record's texts.
    void SetBoxes(std::function<ShownBoxes()> boxes) { boxes_ = std::move(boxes); }
    // The boxes as a change or a show left them: what the next step starts from.
    void NoteShownBoxes() { shown_ = Boxes(); }

    RenderOutcome Render();
    static std::vector<int> AllImages();

    // Runs change as one step of the history over the given images; inside another step
    // or a restore it belongs to that one. Steps with the same merge key other than 0
    // merge while the typing goes on.
    void Step(std::vector<int> images, const std::function<void()>& change, int mergeKey = 0);
    // Runs change as part of no step: showing a record, putting a step back.
    void WithoutStep(const std::function<void()>& change);

    // Line 1 or 2 as typed; a text that still reads as the stored bytes keeps them.
    // Modified is the typing's to set, not the text's.
    EditResult SetText(int line, const QString& text);
    // Font, height, style, colour and charset; a new charset stores the texts, as shown,
    // again in its code page.
    EditResult ApplyFont(const FontSpec& font, const RecordTexts& shown);
    // The font in every image: the shown image's texts as typed, the others' as stored.
    // Image 19 is current afterwards.
    EditResult ApplyFontToAll(const FontSpec& font, const ShownBoxes& typed);
    // Any whole number is stored; the tool and the window's arrows keep to OffsetInRange.
    EditResult SetOffset(int32_t offset);
    static bool OffsetInRange(int32_t offset) {
        return offset >= MinVerticalOffset && offset <= MaxVerticalOffset;
    }
    int32_t DefaultOffset() { return renderer_.DefaultVerticalOffset(state_.CurrentRecord()); }
    EditResult ResetOffset() { return SetOffset(DefaultOffset()); }
    // The ticks: no step; Blink sets Modified, Scroll does not (the render derives it).
    EditResult SetScroll(bool scroll);
    EditResult SetBlink(bool blink);
    // A bitmap file or any picture into the bitmap layer, or the layer emptied.
    EditResult ImportBitmapFile(const QString& path);
    EditResult ImportPictureFile(const QString& path, const PictureOptions& options);
    EditResult ClearBitmap();
    // Edit > Clear: text, font, attributes and both layers to their defaults.
    EditResult ClearImage();
    // A fresh set of 19 default images, each rendered; no history, not Modified.
    void ResetSet();
    // The display language: its message font, then the render.
    EditResult SelectLanguage(MessageLanguage language, const std::function<void()>& uncheckEnglishBox = {});
    EditResult SetEnglishOverride(bool english);
    // Puts the last step back, or does it again; Modified once something was put back.
    std::optional<RestoredStep> Undo();
    std::optional<RestoredStep> Redo();
    // Another document is shown: nothing of the old one can be undone.
    void ForgetHistory() { history_.Clear(); }

private:
    ShownBoxes Boxes() const;
    // Runs change (which returns an error, or nothing) over the images, as a step or not,
    // and renders; Changed compares the records before and after.
    EditResult Edit(std::vector<int> images, bool asStep, int mergeKey,
                    const std::function<QString()>& change);
    EditResult EditCurrent(const std::function<QString()>& change, int mergeKey = 0);

    EditorState state_;
    LcdRenderer renderer_;
    EditHistory history_;
    std::function<void(const RenderOutcome&)> listener_;
    std::function<void()> historyListener_;
    std::function<int64_t()> clock_ = SteadyMilliseconds;
    std::function<ShownBoxes()> boxes_;
    ShownBoxes shown_;
    int stepDepth_ = 0;  // > 0 while a step or a restore runs
};

}  // namespace zozavud
