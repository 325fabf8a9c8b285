#pragma once
#include <QByteArray>
#include <QString>

namespace zozavud {

// Writes the whole content to a temporary file beside path and renames it over path.
// On any failure the old file stays as it was, and error says why.
bool WriteFileAtomically(const QString& path, const QByteArray& content, QString* error = nullptr);

}  // namespace zozavud
