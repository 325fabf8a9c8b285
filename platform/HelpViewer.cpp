#include "HelpViewer.h"

#include <QProcess>

namespace zozavud {

bool HelpViewer::Run(const QString& program, const QString& file, int waitMs) {
    // Left to run on its own when it stays open; it deletes itself once it ends.
    auto* process = new QProcess;
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(program, {file});
    if (!process->waitForStarted(waitMs)) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(waitMs)) return process->state() == QProcess::Running;
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
}

}  // namespace zozavud
