#include "DroppedFiles.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>

namespace zozavud {

std::optional<QString> SingleDroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
    const QString path = urls.front().toLocalFile();
    if (path.isEmpty()) return std::nullopt;
    return path;
}

DropKind KindOfDroppedFile(const QString& path, bool onPreview) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "lcd") return DropKind::Document;
    if (!onPreview || suffix.isEmpty()) return DropKind::None;
    if (suffix == "bmp") return DropKind::Bitmap;
    if (QImageReader::supportedImageFormats().contains(suffix.toLatin1())) return DropKind::Picture;
    return DropKind::None;
}

}  // namespace zozavud
