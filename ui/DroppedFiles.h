#pragma once
// What a file dropped on the main window does.

#include <QString>
#include <optional>

class QMimeData;

namespace zozavud {

enum class DropKind {
    None,      // refused
    Document,  // a .lcd document: opened, through the save prompt
    Bitmap,    // a .bmp on the preview: imported as "Load Bitmap File..." does
    Picture,   // another picture on the preview: converted with the tool's defaults
};

// The one local file a drag carries; nullopt for several files, remote ones or none.
std::optional<QString> SingleDroppedFile(const QMimeData* data);

// By the file's suffix: documents anywhere on the window, pictures only on the preview.
DropKind KindOfDroppedFile(const QString& path, bool onPreview);

}  // namespace zozavud
