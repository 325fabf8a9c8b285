#include "VersionResourceFile.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "VersionResourceLocate.h"

namespace zozavud {

namespace {

// Programs beyond this size are taken to have no version information.
constexpr qint64 MaxFileSize = 512 * 1024 * 1024;

// The block of a regular file. The file is read whole rather than mapped: a mapped file
// that another program shortens meanwhile would crash us.
std::optional<QByteArray> ReadBlock(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0 || file.size() > MaxFileSize) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (const auto found = FindVersionBlock(bytes)) return found->toByteArray();
    return std::nullopt;
}

}  // namespace

uint32_t GetFileVersionInfoSize(const QString& path) {
    const auto block = ReadBlock(path);
    return block ? static_cast<uint32_t>(block->size()) : 0;
}

bool GetFileVersionInfo(const QString& path, uint32_t size, QByteArray& buffer) {
    const auto block = ReadBlock(path);
    if (!block) return false;
    buffer = block->left(static_cast<qsizetype>(std::min<uint64_t>(size, block->size())));
    return true;
}

}  // namespace zozavud
