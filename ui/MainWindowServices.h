#pragma once
// The dialogs and message boxes the main window shows, behind one seam so that tests
// can answer them.

#include <QString>
#include <optional>

#include "GdiFont.h"

namespace zozavud {

class CommandFileChooser;
class PrinterChooser;

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    virtual std::optional<QString> ChooseOpenDocument() = 0;
    // proposedPath, when not empty, is the name the dialog starts with.
    virtual std::optional<QString> ChooseSaveDocument(const QString& proposedPath) = 0;
    // "Save Changes ?": true on Yes.
    virtual bool ConfirmSaveChanges() = 0;
    // The error box: caption "Error", error icon, "OK".
    virtual void ShowFileError(const QString& message) = 0;
    // A plain box with caption "Error" and "OK".
    virtual void ShowMessage(const QString& message) = 0;
    virtual std::optional<QString> ChooseBitmapFile() = 0;
    virtual std::optional<FontSpec> ChooseFont(const FontSpec& current) = 0;
    virtual CommandFileChooser& CommandFiles() = 0;
    virtual PrinterChooser& Printers() = 0;
};

}  // namespace zozavud
