#include "HelpViewer.h"

#include <QProcess>

namespace zozavud {

namespace {

// The viewers still running on their own; kept reachable until each one ends.
QList<QProcess*>& RunningViewers() {
    static auto* running = new QList<QProcess*>;
    return *running;
}

}  // namespace

bool HelpViewer::Run(const QString& program, const QString& file, int waitMs) {
    // Left to run on its own when it stays open; it deletes itself once it ends.
    auto* process = new QProcess;
    QObject::connect(process, &QProcess::finished, process, [process] {
        RunningViewers().removeOne(process);
        process->deleteLater();
    });
    process->start(program, {file});
    if (!process->waitForStarted(waitMs)) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(waitMs)) {
        if (process->state() != QProcess::Running) {
            delete process;
            return false;
        }
        RunningViewers().append(process);
        return true;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
}

}  // namespace zozavud
