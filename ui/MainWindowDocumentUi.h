#pragma once
#include "DocumentCommands.h"
#include "MainWindowServices.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

// The main window as the document commands see it.
class MainWindowDocumentUi : public DocumentUi {
public:
    explicit MainWindowDocumentUi(TFormZozAvudMain& window) : window_(window) {}

    std::optional<QString> ChooseOpenPath() override { return window_.Services().ChooseOpenDocument(); }
    std::optional<QString> ChooseSavePath(const QString& proposedPath) override {
        return window_.Services().ChooseSaveDocument(proposedPath);
    }
    bool ConfirmSaveChanges() override { return window_.Services().ConfirmSaveChanges(); }
    void ShowError(const QString& message) override { window_.Services().ShowFileError(message); }
    void SetCaption(const QString& caption) override { window_.setWindowTitle(caption); }
    // Called once a document has been read: its history starts afresh.
    void ShowImage(int n) override { window_.ShowOpenedDocument(n); }

private:
    TFormZozAvudMain& window_;
};

}  // namespace zozavud
