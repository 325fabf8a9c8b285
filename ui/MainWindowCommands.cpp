// The file, navigation, command-file and bitmap commands of the main window.

#include "BitmapImport.h"
#include "CommandFileDialog.h"
#include "DocumentCommands.h"
#include "MainWindowServices.h"
#include "MessageSlots.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::ActionFileNewExecute() { NewImageSet(); }

void TFormZozAvudMain::ActionFileOpenExecute() { documents_->ActionFileOpenExecute(); }

void TFormZozAvudMain::ActionFileSaveExecute() { documents_->ActionFileSaveExecute(); }

void TFormZozAvudMain::ActionFileSaveAsExecute() { documents_->ActionFileSaveAsExecute(); }

void TFormZozAvudMain::ActionFileExitExecute() { close(); }

void TFormZozAvudMain::ActionEditImageNextExecute() {
    if (auto* action = qobject_cast<QAction*>(sender())) StepImage(action->data().toInt());
}

void TFormZozAvudMain::ActionEditImage1Execute() {
    if (auto* action = qobject_cast<QAction*>(sender())) ShowImage(action->data().toInt());
}

void TFormZozAvudMain::ActionEditImageFirstExecute() { ShowImage(1); }

void TFormZozAvudMain::ActionEditImageLastExecute() { ShowImage(ImageCount); }

void TFormZozAvudMain::CreateCommandFile(CommandKind kind) {
    commandFileName_->CreateCommandFile(kind, *state_.Set, state_.CurrentImage,
                                        services_->CommandFiles(),
                                        [this](const QString& message) { services_->ShowFileError(message); });
}

void TFormZozAvudMain::ActionBitmapLoadBitmapFileExecute() {
    const std::optional<QString> path = services_->ChooseBitmapFile();
    if (!path) return;
    LoadBitmapFile(*path);
}

void TFormZozAvudMain::ActionBitmapClearBitmapDataExecute() {
    RecordStep({state_.CurrentImage}, [this] {
        ClearBitmapData(state_.CurrentRecord());
        state_.Modified = true;
        RenderImage();
    });
}

}  // namespace zozavud
