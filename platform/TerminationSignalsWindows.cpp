#include "TerminationSignals.h"

#include <windows.h>
#include <QMetaObject>
#include <QSocketNotifier>
#include <csignal>
#include <string>

namespace zozavud {

namespace {

// The console runs its control handler on a thread of its own.
std::wstring pendingRemoval;
volatile bool removalArmed = false;
TerminationWatcher* watcher = nullptr;

BOOL WINAPI OnConsoleControl(DWORD type) {
    if (watcher) {
        const int number = type == CTRL_C_EVENT ? SIGINT : SIGTERM;
        QMetaObject::invokeMethod(
            watcher,
            [number] {
                if (watcher) emit watcher->Requested(number);
            },
            Qt::QueuedConnection);
        return TRUE;
    }
    if (removalArmed) DeleteFileW(pendingRemoval.c_str());
    return FALSE;  // the default handler ends the process
}

}  // namespace

RemoveFileOnTermination::RemoveFileOnTermination(const QString& path) {
    pendingRemoval = path.toStdWString();
    removalArmed = true;
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

RemoveFileOnTermination::~RemoveFileOnTermination() {
    removalArmed = false;
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
}

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {
    watcher = this;
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

TerminationWatcher::~TerminationWatcher() {
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    watcher = nullptr;
}

void TerminationWatcher::Drain() {}

}  // namespace zozavud
