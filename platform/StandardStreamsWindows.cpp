#include <windows.h>
// after windows.h, which it builds on
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "StandardStreams.h"

namespace zozavud {

namespace {

UINT consoleCodePage = 0;

void RestoreConsoleCodePage() {
    if (consoleCodePage) SetConsoleOutputCP(consoleCodePage);
}

}  // namespace

// Windows has neither SIGXFSZ nor SIGPIPE, and a closed stream stays closed. The streams
// carry bytes as they are: no CR is put before a newline of a command file or picture
// written to stdout. Messages are UTF-8, as on Linux; a console is set to show them so for
// the tool's run and given back its own code page at the end.
void StandardStreams::Prepare() {
    for (FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(RestoreConsoleCodePage);
    else
        consoleCodePage = 0;
}

StandardStreams::Outcome StandardStreams::FinishOutput(QString* error) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = errno;
    if (flushed && !std::ferror(stdout)) return Outcome::Written;
    if (reason == EPIPE) return Outcome::ReaderGone;
    if (error) *error = reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : QString();
    return Outcome::Failed;
}

QStringList StandardStreams::Arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    if (!wide) {
        for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
        return arguments;
    }
    for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return arguments;
}

}  // namespace zozavud
