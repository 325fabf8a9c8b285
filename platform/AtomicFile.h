#pragma once
#include <QByteArray>
#include <QString>

namespace zozavud {

// Writes the whole content to a temporary file beside path and renames it over path.
// On any failure the old file stays as it was, and error says why. The new file keeps
// the old one's mode and group (and owner, where we may); a new one gets what the umask
// gives.
// An existing path that is not a regular file (a device, FIFO, socket or folder; a
// symlink counts as what it points to) is refused: the rename would replace it.
bool WriteFileAtomically(const QString& path, const QByteArray& content, QString* error = nullptr);

// Why path cannot be replaced by a file, or empty when it is missing or a regular file.
QString NonRegularTargetProblem(const QString& path);

}  // namespace zozavud
