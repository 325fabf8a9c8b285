#include "PictureOutput.h"

#include <QFileInfo>
#include <QStringList>

#include "OptionWords.h"

namespace zozavud::cli {

namespace {

struct PictureExtension {
    const char* Suffix;
    const char* Format;
};

// The formats Qt's own image writers encode.
constexpr PictureExtension Extensions[] = {{"png", "PNG"}, {"jpg", "JPEG"}, {"jpeg", "JPEG"}, {"bmp", "BMP"}};

}  // namespace

const char* PictureFormatFor(const QString& path) {
    if (path == QLatin1String("-")) return "PNG";
    const QString suffix = QFileInfo(path).suffix();
    for (const PictureExtension& extension : Extensions)
        if (suffix.compare(QLatin1String(extension.Suffix), Qt::CaseInsensitive) == 0)
            return extension.Format;
    return nullptr;
}

QString PictureExtensions() {
    QStringList names;
    for (const PictureExtension& extension : Extensions) names << QStringLiteral(".") + extension.Suffix;
    return JoinAsChoices(names);
}

}  // namespace zozavud::cli
