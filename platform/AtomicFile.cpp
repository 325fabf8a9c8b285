#include "AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include "KeptPermissions.h"

namespace zozavud {

QString NonRegularTargetProblem(const QString& path) {
    const QFileInfo info(path);  // follows symlinks
    if (!info.exists() || info.isFile()) return {};
    if (info.isDir()) return QStringLiteral("it is a folder, not a file");
    return QStringLiteral("it is not a regular file (a device, FIFO or socket) and is left as it is");
}

bool WriteFileAtomically(const QString& path, const QByteArray& content, QString* error) {
    if (const QString problem = NonRegularTargetProblem(path); !problem.isEmpty()) {
        if (error) *error = problem;
        return false;
    }
    const KeptPermissions kept = KeptPermissions::Of(path);
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
    if (QString why; !kept.GiveTo(file, &why)) return fail(why);
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace zozavud
