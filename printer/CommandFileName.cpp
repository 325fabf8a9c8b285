#include "CommandFileName.h"

#include "CommandFile.h"
#include "FileNamePart.h"

namespace zozavud {

CommandFileChooser::~CommandFileChooser() = default;

std::optional<QString> CommandFileNameKeeper::CreateCommandFile(
    CommandKind kind, const ImageSet& set, int currentImage, CommandFileChooser& chooser,
    const std::function<void(const QString&)>& showError) {
    const QString previous = fileName_;
    const QString defaultName = DefaultCommandFileName(kind, currentImage);
    if (fileName_.isEmpty()) fileName_ = defaultName;

    const std::optional<QString> chosen = chooser.ChooseSavePath(fileName_);
    if (!chosen) {
        fileName_ = previous;
        return std::nullopt;
    }
    // The name is kept or forgotten whether or not the write worked.
    const bool written = WriteCommandFile(kind, set, currentImage, *chosen, showError);
    if (FileNamePart(*chosen) == defaultName)
        fileName_.clear();
    else
        fileName_ = *chosen;
    return written ? chosen : std::nullopt;
}

}  // namespace zozavud
