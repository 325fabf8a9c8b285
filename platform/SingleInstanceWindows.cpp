#include <windows.h>

#include "SingleInstance.h"

namespace zozavud {

namespace {

// The hand-over pipe is seen by every session of the machine: the user's name keeps
// another user's editor from answering for ours.
QString HandoverBase(const QString& title) {
    const QString user = qEnvironmentVariable("USERNAME");
    return user.isEmpty() ? title : title + " - " + user;
}

QString SystemText(DWORD code) {
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString result = text ? QString::fromWCharArray(text).trimmed() : QString("error %1").arg(code);
    LocalFree(text);
    return result;
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
