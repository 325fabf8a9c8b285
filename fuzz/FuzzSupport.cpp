#include "FuzzSupport.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "AtomicFile.h"

namespace zozavud::fuzz {

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warnings about odd fonts or pictures would drown the fuzzer's own output.
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives until the process ends
}

QString WriteScratchFile(const QByteArray& bytes, const QString& suffix) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input") + suffix);
    QString error;
    // A harness that cannot write its input would report every run as clean.
    if (!dir.isValid() || !WriteFileAtomically(path, bytes, &error)) {
        std::fprintf(stderr, "cannot write the scratch file: %s\n", qPrintable(error));
        std::abort();
    }
    return path;
}

}  // namespace zozavud::fuzz
