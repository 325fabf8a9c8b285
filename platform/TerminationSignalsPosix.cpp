#include "TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <cstring>

namespace zozavud {

namespace {

constexpr int Watched[] = {SIGINT, SIGTERM};

// Only what a signal handler may touch: a fixed buffer and a descriptor.
char pendingRemoval[4096];
volatile sig_atomic_t removalArmed = 0;
int wakeFd[2] = {-1, -1};

void RemoveAndEnd(int signalNumber) {
    if (removalArmed) ::unlink(pendingRemoval);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void Wake(int signalNumber) {
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t ignored = ::write(wakeFd[1], &byte, 1);
}

void Install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : Watched) ::sigaction(signalNumber, &action, nullptr);
}

}  // namespace

RemoveFileOnTermination::RemoveFileOnTermination(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    removalArmed = 0;
    if (native.size() >= static_cast<qsizetype>(sizeof pendingRemoval)) return;
    std::memcpy(pendingRemoval, native.constData(), static_cast<size_t>(native.size()) + 1);
    removalArmed = 1;
    Install(RemoveAndEnd);
}

RemoveFileOnTermination::~RemoveFileOnTermination() {
    removalArmed = 0;
    Install(SIG_DFL);
}

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {
    if (wakeFd[0] < 0 && ::pipe2(wakeFd, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(wakeFd[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationWatcher::Drain);
    Install(Wake);
}

TerminationWatcher::~TerminationWatcher() { Install(SIG_DFL); }

void TerminationWatcher::Drain() {
    unsigned char bytes[16];
    ssize_t got = 0;
    while ((got = ::read(wakeFd[0], bytes, sizeof bytes)) > 0)
        for (ssize_t i = 0; i < got; ++i) emit Requested(bytes[i]);
}

}  // namespace zozavud
