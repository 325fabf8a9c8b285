// Undo and redo of the main window: the history's steps wrapped around the edits.

#include "UnitZozAvudMain.h"
#include "ui_UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::UpdateUndoActions() {
    Action(ActionId::EditUndo)->setEnabled(history_->CanUndo());
    Action(ActionId::EditRedo)->setEnabled(history_->CanRedo());
}

void TFormZozAvudMain::RecordStep(std::vector<int> images, const std::function<void()>& change,
                                  int mergeKey) {
    if (stepDepth_ > 0) {
        change();
        return;
    }
    // The boxes as they were before: a change of a box's text runs after the box changed.
    EditStep step =
        EditHistory::Begin(*state_.Set, std::move(images), state_.CurrentImage, mergeKey, shownBoxes_);
    ++stepDepth_;
    change();
    --stepDepth_;
    history_->Commit(*state_.Set, std::move(step), clock_(), Boxes());
    UpdateUndoActions();
}

void TFormZozAvudMain::ActionEditUndoExecute() { ShowRestoredImage(history_->Undo(*state_.Set)); }

void TFormZozAvudMain::ActionEditRedoExecute() { ShowRestoredImage(history_->Redo(*state_.Set)); }

void TFormZozAvudMain::ShowRestoredImage(const std::optional<RestoredStep>& restored) {
    if (!restored) return;
    // Showing the image fills the boxes and renders; none of that is a step of its own.
    ++stepDepth_;
    ShowImage(restored->ShownImage);
    ShowTypedTexts(restored->Boxes);
    --stepDepth_;
    state_.Modified = true;
    UpdateUndoActions();
}

void TFormZozAvudMain::ShowOpenedDocument(int n) {
    history_->Clear();
    UpdateUndoActions();
    ShowImage(n);
}

}  // namespace zozavud
