// The file, navigation, command-file and bitmap commands of the main window.

#include <QStatusBar>

#include "CommandFileName.h"
#include "DocumentCommands.h"
#include "FileNamePart.h"
#include "MainWindowServices.h"
#include "MessageSlots.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::ActionFileNewExecute() { NewImageSet(); }

void TFormZozAvudMain::ActionFileOpenExecute() { documents_->ActionFileOpenExecute(); }

void TFormZozAvudMain::ActionFileSaveExecute() {
    if (documents_->SaveDocument()) ShowDone("Saved " + FileNamePart(state_.FileName));
}

void TFormZozAvudMain::ActionFileSaveAsExecute() {
    if (documents_->SaveDocumentAs()) ShowDone("Saved " + FileNamePart(state_.FileName));
}

void TFormZozAvudMain::ShowDone(const QString& what) {
    constexpr int ShownMs = 4000;
    statusBar()->showMessage(what, ShownMs);
}

void TFormZozAvudMain::ActionFileExitExecute() { close(); }

// Shared by Back (tag -1) and Next (tag +1).
void TFormZozAvudMain::ActionEditImageNextExecute(int tag) { StepImage(tag); }

// Shared by the nineteen Jump to actions; the tag is the image number.
void TFormZozAvudMain::ActionEditImage1Execute(int tag) { ShowImage(tag); }

void TFormZozAvudMain::ActionEditImageFirstExecute() { ShowImage(1); }

void TFormZozAvudMain::ActionEditImageLastExecute() { ShowImage(ImageCount); }

// Shared by the four Create Command File actions; the tag is the command kind.
void TFormZozAvudMain::CreateCommandFile(CommandKind kind) {
    const std::optional<QString> written = commandFileName_->CreateCommandFile(
        kind, *state_.Set, state_.CurrentImage, services_->CommandFiles(),
        [this](const QString& message) { services_->ShowError(message); });
    if (written) ShowDone("Wrote " + FileNamePart(*written));
}

void TFormZozAvudMain::ActionBitmapLoadBitmapFileExecute() {
    const std::optional<QString> path = services_->ChooseBitmapFile();
    if (!path) return;
    LoadBitmapFile(*path);
}

void TFormZozAvudMain::ActionBitmapClearBitmapDataExecute() { editing_.ClearBitmap(); }

}  // namespace zozavud
