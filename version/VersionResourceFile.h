#pragma once
// The file-level calls the version reader is built on: how big a file's version
// information is, and a copy of it.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zozavud {

// Bytes of version information in the file; 0 when it has none or cannot be read.
uint32_t GetFileVersionInfoSize(const QString& path);

// Fills buffer with at most size bytes of the file's version information. False when
// the file has none or cannot be read.
bool GetFileVersionInfo(const QString& path, uint32_t size, QByteArray& buffer);

}  // namespace zozavud
