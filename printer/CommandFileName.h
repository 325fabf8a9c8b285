#pragma once
// The name-keeping rules of the shared command-file save dialog, without the dialog:
// the window supplies a chooser that shows the real one.

#include <QString>
#include <functional>
#include <optional>

#include "CommandEncoder.h"
#include "ImageSet.h"

namespace zozavud {

// What the window's chooser should set on its save dialog: the filter as written and
// in the form QFileDialog takes.
inline constexpr char CommandFileFilter[] = "Printer Data(*.prn)|*.prn|All Files(*.*)|*.*";
inline constexpr char CommandFileQtFilter[] = "Printer Data(*.prn);;All Files(*.*)";
inline constexpr char CommandFileDefaultSuffix[] = "prn";

class CommandFileChooser {
public:
    virtual ~CommandFileChooser();
    // Shows the save dialog proposing fileName (a bare name or a full path); returns
    // the chosen full path, or nullopt on cancel.
    virtual std::optional<QString> ChooseSavePath(const QString& fileName) = 0;
};

// Holds the dialog's file name for the run, shared by the four commands.
class CommandFileNameKeeper {
public:
    QString FileName() const { return fileName_; }

    // Proposes the kept name, or the kind's default name when none is kept; writes the
    // chosen file; then forgets the name if it was the default (exact, with case) and
    // keeps the chosen path otherwise. Cancelling restores the name held before. Returns
    // the path written; nothing when cancelled or when the write failed (shown).
    std::optional<QString> CreateCommandFile(CommandKind kind, const ImageSet& set, int currentImage,
                                             CommandFileChooser& chooser,
                                             const std::function<void(const QString&)>& showError);

private:
    QString fileName_;
};

}  // namespace zozavud
