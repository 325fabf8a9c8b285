#include "FileNamePart.h"

#include <algorithm>

namespace zozavud {

QString FileNamePart(const QString& path) {
    qsizetype cut = -1;
    for (const QChar separator : {QChar('/'), QChar('\\'), QChar(':')})
        cut = std::max(cut, path.lastIndexOf(separator));
    return path.mid(cut + 1);
}

}  // namespace zozavud
