#include <cerrno>
#include <cstdio>
#include <cstring>

#include "StandardStreams.h"

namespace zozavud {

// Windows has neither SIGXFSZ nor SIGPIPE, and a closed stream stays closed.
void StandardStreams::Prepare() {}

StandardStreams::Outcome StandardStreams::FinishOutput(QString* error) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = errno;
    if (flushed && !std::ferror(stdout)) return Outcome::Written;
    if (reason == EPIPE) return Outcome::ReaderGone;
    if (error) *error = reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : QString();
    return Outcome::Failed;
}

}  // namespace zozavud
