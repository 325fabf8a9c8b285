#pragma once
#include <QByteArray>
#include <QString>

namespace zozavud::test {

QByteArray ReadWholeFile(const QString& path);
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
// tests/<relative> in the source tree.
QString SourcePath(const QString& relative);

}  // namespace zozavud::test
