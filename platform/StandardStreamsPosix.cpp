#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "StandardStreams.h"

namespace zozavud {

namespace {

volatile std::sig_atomic_t readerGone = 0;

void OnBrokenPipe(int) { readerGone = 1; }

void ReopenIfClosed(int fd, int flags) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) return;
    const int opened = open("/dev/null", flags);
    if (opened >= 0 && opened != fd) {
        dup2(opened, fd);
        close(opened);
    }
}

}  // namespace

void StandardStreams::Prepare() {
    ReopenIfClosed(STDIN_FILENO, O_WRONLY);
    ReopenIfClosed(STDOUT_FILENO, O_RDONLY);
    ReopenIfClosed(STDERR_FILENO, O_RDONLY);
    std::signal(SIGXFSZ, SIG_IGN);
    // A handler rather than SIG_IGN: the write fails with EPIPE either way, and the
    // flag tells a gone reader from a real output error, whatever errno says later.
    struct sigaction action {};
    action.sa_handler = OnBrokenPipe;
    sigemptyset(&action.sa_mask);
    sigaction(SIGPIPE, &action, nullptr);
}

StandardStreams::Outcome StandardStreams::FinishOutput(QString* error) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = errno;
    if (flushed && !std::ferror(stdout)) return Outcome::Written;
    if (readerGone || reason == EPIPE) return Outcome::ReaderGone;
    if (error) *error = reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : QString();
    return Outcome::Failed;
}

QStringList StandardStreams::Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromUtf8(argv[i]);
    return arguments;
}

}  // namespace zozavud
