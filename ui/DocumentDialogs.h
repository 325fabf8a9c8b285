#pragma once
// The Qt dialogs and message boxes of the document commands.

#include <QString>
#include <optional>

#include "DocumentCommands.h"

class QWidget;

namespace zozavud {

// OpenDialogLCDData and SaveDialogLCDData. Each dialog starts with the name last
// chosen in it during this run; the save dialog never starts with the current file.
class LcdFileDialogs {
public:
    std::optional<QString> ChooseOpenPath(QWidget* parent);
    // Asks before an existing file is overwritten; a bare name gets ".lcd". A proposed
    // path, when given, is where the dialog starts instead of the last name.
    std::optional<QString> ChooseSavePath(QWidget* parent, const QString& proposedPath = QString());

private:
    QString lastOpenPath_;
    QString lastSavePath_;
};

// "Save Changes ?" with Yes(&Y) and No(&N) only; Escape or closing the box is Cancel.
SaveChangesAnswer AskSaveChangesBox(QWidget* parent);

// An error box with the single button OK.
void ShowFileErrorBox(QWidget* parent, const QString& message);

}  // namespace zozavud
