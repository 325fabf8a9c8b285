// Undo and redo of the main window: the history's steps wrapped around the edits.

#include "UnitZozAvudMain.h"
#include "ui_UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::UpdateUndoActions() {
    Action(ActionId::EditUndo)->setEnabled(editing_.History().CanUndo());
    Action(ActionId::EditRedo)->setEnabled(editing_.History().CanRedo());
}

void TFormZozAvudMain::ActionEditUndoExecute() { ShowRestoredImage(editing_.Undo()); }

void TFormZozAvudMain::ActionEditRedoExecute() { ShowRestoredImage(editing_.Redo()); }

void TFormZozAvudMain::ShowRestoredImage(const std::optional<RestoredStep>& restored) {
    if (!restored) return;
    // Showing the image fills the boxes and renders; none of that is a step of its own.
    editing_.WithoutStep([this, &restored] {
        ShowImage(restored->ShownImage);
        ShowTypedTexts(restored->Boxes);
    });
    UpdateUndoActions();
}

void TFormZozAvudMain::ShowOpenedDocument(int n) {
    editing_.ForgetHistory();
    UpdateUndoActions();
    ShowImage(n);
}

}  // namespace zozavud
