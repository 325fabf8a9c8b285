#pragma once
// The undo history of one document: each step holds the records it changed as they were
// before and after, so undoing or redoing puts whole records back.

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "ImageSet.h"
#include "RecordTexts.h"

namespace zozavud {

// Milliseconds of the system's steady clock, the history's default sense of time.
int64_t SteadyMilliseconds();

// The texts of the boxes and the image they showed; Image 0 is no image. The boxes keep
// what was typed, characters the code page stores as "?" included.
struct ShownBoxes {
    int Image = 0;
    RecordTexts Texts;
};

struct EditStep {
    int ShownImage = 1;       // the image shown after the step is undone or redone
    int MergeKey = 0;         // steps with the same key other than 0 may merge (typing in one box)
    std::vector<int> Images;  // image numbers, 1..19
    std::vector<ImageRecord> Before;
    std::vector<ImageRecord> After;
    ShownBoxes BoxesBefore, BoxesAfter;
    int64_t LastChangeMs = 0;  // when the step last grew
};

// What an undo or a redo puts back on the screen.
struct RestoredStep {
    int ShownImage = 1;
    ShownBoxes Boxes;  // as they were before the step (undo) or after it (redo)
};

class EditHistory {
public:
    // A pause longer than this ends a run of typing.
    static constexpr int64_t MergePauseMs = 1000;
    // The oldest steps go once the history holds more records than this (500 before and 500 after, about 55
    // MB).
    static constexpr std::size_t MaxRecords = 500;

    // Copies the records of the given images, and the boxes, as they are before the change.
    static EditStep Begin(const ImageSet& set, std::vector<int> images, int shownImage, int mergeKey,
                          ShownBoxes boxes);

    // Copies the records and the boxes as they are now and keeps the step: merged into the
    // last step when it continues that step's typing within the pause, dropped when no
    // record changed (bytes past a text's length do not count). Keeping a step forgets what could be redone.
    void Commit(const ImageSet& set, EditStep step, int64_t nowMs, ShownBoxes boxes);

    // The next step starts afresh, whatever its key (the user left the box).
    void Seal() { sealed_ = true; }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoCount() const { return undo_.size(); }

    // Puts the records of the last step back as they were before it (Undo) or after it
    // (Redo) and returns what to show; nullopt when there is nothing to do.
    std::optional<RestoredStep> Undo(ImageSet& set);
    std::optional<RestoredStep> Redo(ImageSet& set);

    void Clear();

private:
    void Trim();

    std::deque<EditStep> undo_;
    std::vector<EditStep> redo_;
    bool sealed_ = true;
};

}  // namespace zozavud
