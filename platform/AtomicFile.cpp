#include "AtomicFile.h"

#include <QSaveFile>

namespace zozavud {

bool WriteFileAtomically(const QString& path, const QByteArray& content, QString* error) {
    QSaveFile file(path);
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    // A full disk can make write() report a short count with no error, and commit()
    // would then still succeed: check every step ourselves.
    qint64 written = 0;
    while (written < content.size()) {
        const qint64 n = file.write(content.constData() + written, content.size() - written);
        if (n <= 0) return fail(file.errorString());
        written += n;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) return fail(file.errorString());
    if (file.size() != content.size()) return fail(QStringLiteral("short write"));
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace zozavud
