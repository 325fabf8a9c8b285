#include "CommandFile.h"

#include "AtomicFile.h"

namespace zozavud {

QString CommandFileOpenError(const QString& path) {
    return QStringLiteral("Can not File open. (%1)").arg(path);
}

bool WriteCommandFile(CommandKind kind, const ImageSet& set, int currentImage, const QString& path,
                      const std::function<void(const QString& message)>& showError) {
    const QByteArray command = BuildCommand(kind, set, currentImage);
    if (command.isEmpty()) {
        // Only a caller's bad image number gets here; write nothing rather than a wrong slot.
        if (showError) showError(QStringLiteral("No image %1 to write (1..19).").arg(currentImage));
        return false;
    }
    if (path.isEmpty() || !WriteFileAtomically(path, command)) {
        if (showError) showError(CommandFileOpenError(path));
        return false;
    }
    return true;
}

}  // namespace zozavud
