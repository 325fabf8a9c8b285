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
    switch (ui_.ConfirmSaveChanges()) {
        case SaveChangesAnswer::Yes:
            return SaveDocument();
        case SaveChangesAnswer::No:
            state_.Modified = false;
            return true;
        case SaveChangesAnswer::Cancel:
            break;
    }
    return false;
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
    QString notADocument;
    if (!LoadImageSetFile(path, *state_.Set, &reason, &notADocument)) {
        // The fixed line first, then why, as the spooler messages do.
        if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
        ui_.ShowError(QStringLiteral("Can not File open. (%1)\n%2").arg(path, reason));
        return;
    }
    SetDocumentFileName(path);
    nameNeedsConfirming_ = !notADocument.isEmpty();
    state_.SelectImage(1);
    ui_.ShowImage(1);
}

bool DocumentCommands::SaveDocument() {
    if (state_.FileName.isEmpty()) return SaveDocumentAs();
    if (nameNeedsConfirming_) return SaveDocumentAs(state_.FileName);
    // A zozavud-cli edit holds the lock from its read to its write: saving in between
    // would be lost under its save, so wait for it.
    DocumentLock lock(state_.FileName);
    QString why;
    if (!DocumentLock::StopsTheWrite(lock.Acquire(lockWaitMs_, &why))) why.clear();
    if (!why.isEmpty() || !SaveImageSetFile(state_.FileName, *state_.Set)) {
        QString message = QStringLiteral("Can not File save. (%1)").arg(state_.FileName);
        if (!why.isEmpty()) message += "\n" + why;
        ui_.ShowError(message);
        return false;
    }
    state_.Modified = false;
    return true;
}

bool DocumentCommands::SaveDocumentAs(const QString& proposedPath) {
    const std::optional<QString> path = ui_.ChooseSavePath(proposedPath);
    // An empty name would send SaveDocument straight back here.
    if (!path || path->isEmpty()) return false;
    SetDocumentFileName(*path);
    return SaveDocument();
}

void DocumentCommands::ActionFileSaveExecute() { SaveDocument(); }

void DocumentCommands::ActionFileSaveAsExecute() { SaveDocumentAs(); }

void DocumentCommands::SetDocumentFileName(const QString& path) {
    state_.FileName = path;
    nameNeedsConfirming_ = false;
    ui_.SetCaption(DocumentCaption(path));
}

}  // namespace zozavud
