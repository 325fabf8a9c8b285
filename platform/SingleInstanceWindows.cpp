#include <windows.h>

#include "SingleInstance.h"
#include "WindowsErrorText.h"

namespace zozavud {

namespace {

// The hand-over pipe is seen by every session of the machine: the user's name keeps
// another user's editor from answering for ours.
QString HandoverBase(const QString& title) {
    const QString user = qEnvironmentVariable("USERNAME");
    return user.isEmpty() ? title : title + " - " + user;
}

QString SystemText(DWORD code) {
    const QString text = WindowsErrorText(code);
    return text.isEmpty() ? QStringLiteral("error %1").arg(code) : text;
}

}  // namespace

SingleInstance::SingleInstance(const QString& title) { Start(title, QString()); }

SingleInstance::SingleInstance(const QString& title, const QString&) { Start(title, QString()); }

// A mutex not owned at first, named with the title: one that already existed is another
// copy's. The handle is held until the run ends.
void SingleInstance::Start(const QString& title, const QString&) {
    path_ = HandoverBase(title) + ".lock";
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(title.utf16()));
    const DWORD error = GetLastError();
    if (!mutex) {
        outcome_ = Outcome::Failed;
        error_ = QStringLiteral("Can not create the single-instance mutex. (%1)\n%2")
                     .arg(title, SystemText(error));
        return;
    }
    mutex_.reset(mutex, CloseHandle);
    outcome_ = error == ERROR_ALREADY_EXISTS ? Outcome::Held : Outcome::First;
    if (outcome_ == Outcome::Held) mutex_.reset();
}

}  // namespace zozavud
