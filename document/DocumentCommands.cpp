#include "DocumentCommands.h"

#include "DocumentIo.h"
#include "FileNamePart.h"

namespace zozavud {

DocumentUi::~DocumentUi() = default;

QString DocumentCaption(const QString& path) {
    const QString title = QString::fromLatin1(ApplicationTitle);
    if (path.isEmpty()) return title;
    return FileNamePart(path) + QStringLiteral(" - ") + title;
}

DocumentCommands::DocumentCommands(EditorState& state, DocumentUi& ui) : state_(state), ui_(ui) {}

bool DocumentCommands::AskSaveChanges() {
    if (!state_.Modified) return true;
    if (ui_.ConfirmSaveChanges()) return SaveDocument();
    state_.Modified = false;
    return true;
}

void DocumentCommands::ActionFileOpenExecute() {
    const std::optional<QString> path = ui_.ChooseOpenPath();
    if (!path || path->isEmpty()) return;
    LoadDocument(*path);
}

void DocumentCommands::LoadDocument(const QString& path) {
    if (!AskSaveChanges()) return;
    // The file is read whole before anything is replaced: a short or unreadable file
    // leaves the document, its name and the caption as they were.
    QString reason;
    if (!LoadImageSetFile(path, *state_.Set, &reason)) {
        // The fixed line first, then why, as the spooler messages do.
        if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
        ui_.ShowError(QStringLiteral("Can not File open. (%1)\n%2").arg(path, reason));
        return;
    }
    SetDocumentFileName(path);
    state_.SelectImage(1);
    ui_.ShowImage(1);
}

bool DocumentCommands::SaveDocument() {
    if (state_.FileName.isEmpty()) return SaveDocumentAs();
    if (!SaveImageSetFile(state_.FileName, *state_.Set)) {
        ui_.ShowError(QStringLiteral("Can not File save. (%1)").arg(state_.FileName));
        return false;
    }
    state_.Modified = false;
    return true;
}

bool DocumentCommands::SaveDocumentAs() {
    const std::optional<QString> path = ui_.ChooseSavePath();
    // An empty name would send SaveDocument straight back here.
    if (!path || path->isEmpty()) return false;
    SetDocumentFileName(*path);
    return SaveDocument();
}

void DocumentCommands::ActionFileSaveExecute() { SaveDocument(); }

void DocumentCommands::ActionFileSaveAsExecute() { SaveDocumentAs(); }

void DocumentCommands::SetDocumentFileName(const QString& path) {
    state_.FileName = path;
    ui_.SetCaption(DocumentCaption(path));
}

}  // namespace zozavud
