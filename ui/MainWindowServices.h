#pragma once
// The dialogs and message boxes the main window shows, behind one seam so that tests
// can answer them. The document commands ask their questions here too.

#include <QString>
#include <optional>

#include "DocumentCommands.h"
#include "RecordFont.h"

namespace zozavud {

class CommandFileChooser;
class PrinterChooser;
class TFormZozAvudMain;

class MainWindowServices : public DocumentUi {
public:
    // Open and save dialogs of the document, "Save Changes ?", and the
    // error box (caption "Error", error icon, "OK") come from DocumentUi.

    // A plain box with caption "Error" and "OK".
    virtual void ShowMessage(const QString& message) = 0;
    virtual std::optional<QString> ChooseBitmapFile() = 0;
    virtual std::optional<FontSpec> ChooseFont(const FontSpec& current) = 0;
    virtual CommandFileChooser& CommandFiles() = 0;
    virtual PrinterChooser& Printers() = 0;

    // What the document commands change in the window the services belong to.
    void SetCaption(const QString& caption) final;
    void ShowImage(int n) final;

private:
    friend class TFormZozAvudMain;  // attaches itself when it takes the services
    TFormZozAvudMain* window_ = nullptr;
};

}  // namespace zozavud
