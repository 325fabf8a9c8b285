#pragma once
#include <QByteArray>
#include <QString>

namespace zozavud {

// Reads a picture file whole into memory (a mapped file that another program shortens
// would crash us). Refuses what is missing, not a regular file, empty or over 256 MB,
// with the reason in words.
bool ReadPictureFileBytes(const QString& path, QByteArray& bytes, QString* reason);

}  // namespace zozavud
