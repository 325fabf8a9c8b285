#pragma once
// New, Open, Save and Save As of the .lcd document, the save prompt and the caption,
// without any window: the window supplies the dialogs and boxes through DocumentUi.

#include <QString>
#include <optional>

#include "DocumentLock.h"
#include "EditorState.h"

namespace zozavud {

// How "Save Changes ?" was answered. Escape or closing the box is Cancel: the work stays,
// and whatever asked does not go on.
enum class SaveChangesAnswer { Yes, No, Cancel };

// What the document commands need of the window.
class DocumentUi {
public:
    virtual ~DocumentUi();
    virtual std::optional<QString> ChooseOpenPath() = 0;  // nullopt = cancelled
    // nullopt = cancelled; proposedPath, when not empty, is the name the dialog starts with.
    virtual std::optional<QString> ChooseSavePath(const QString& proposedPath) = 0;
    virtual SaveChangesAnswer ConfirmSaveChanges() = 0;  // "Save Changes ?"
    virtual void ShowError(const QString& message) = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void ShowImage(int n) = 0;  // refreshes the whole window from image n
};

// The caption for a document file: "name - title", or the bare title without a file.
QString DocumentCaption(const QString& path);

class DocumentCommands {
public:
    DocumentCommands(EditorState& state, DocumentUi& ui);

    // The prompt run before the document is replaced or the window closes. Returns
    // whether the asking operation may go on: No (or no changes) goes on and clears
    // Modified; Yes goes on only once the document has really been saved, so that a
    // cancelled save dialog or a failed save never throws the work away; Cancel changes
    // nothing and does not go on.
    bool AskSaveChanges();

    // Open dialog first; the prompt comes after a file has been chosen.
    void ActionFileOpenExecute();
    // Prompt, then read the whole file; a file that cannot be read changes nothing.
    void LoadDocument(const QString& path);

    // Writes the set to the current file (through a temporary file renamed over it),
    // or asks for a name first. Returns true only when the file now holds the set.
    // The first save of a document read from a file that was not exactly a document
    // goes through the save dialog, proposing that file: it is never overwritten unless
    // the user confirms it there. The document lock is held while the file is written.
    bool SaveDocument();
    // Save dialog, then save under the chosen name, which takes effect even if the
    // write then fails.
    bool SaveDocumentAs(const QString& proposedPath = QString());
    void ActionFileSaveExecute();
    void ActionFileSaveAsExecute();

    // Stores the current file name and sets the caption from it.
    void SetDocumentFileName(const QString& path);

    // How long a save waits for a zozavud-cli edit of the same file to finish.
    void SetLockWait(int ms) { lockWaitMs_ = ms; }

private:
    EditorState& state_;
    DocumentUi& ui_;
    // Set by opening a file that is not exactly a document; cleared by a new file name.
    bool nameNeedsConfirming_ = false;
    int lockWaitMs_ = DocumentLock::DefaultWaitMs;
};

}  // namespace zozavud
