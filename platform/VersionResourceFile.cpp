#include "VersionResourceFile.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "VersionResourceLocate.h"

namespace zozavud {

namespace {

// The block of a regular file, read through a read-only mapping so that large binaries
// cost no copy.
std::optional<QByteArray> ReadBlock(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0) return std::nullopt;
    uchar* mapped = file.map(0, file.size());
    if (!mapped) return std::nullopt;
    const QByteArrayView bytes(reinterpret_cast<const char*>(mapped), file.size());
    std::optional<QByteArray> block;
    if (const auto found = FindVersionBlock(bytes)) block = found->toByteArray();
    file.unmap(mapped);
    return block;
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
