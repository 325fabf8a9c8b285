#include "TestFiles.h"

#include <QFile>

namespace zozavud::test {

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString SourcePath(const QString& relative) {
    return QStringLiteral(ZOZAVUD_SOURCE_DIR "/tests/") + relative;
}

}  // namespace zozavud::test
