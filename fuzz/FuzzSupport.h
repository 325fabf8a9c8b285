#pragma once
// What the fuzz targets share: a Qt application on the offscreen platform, made once,
// and one scratch file for the calls that only take a path.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace zozavud::fuzz {

// Text layout and image plugins need a QGuiApplication; the fuzzer's own arguments are
// not Qt's, so it gets none of them.
void EnsureGuiApplication();

// Writes bytes over the scratch file (in a private temporary directory) and returns its path.
QString WriteScratchFile(const QByteArray& bytes, const QString& suffix = QString());

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

}  // namespace zozavud::fuzz
