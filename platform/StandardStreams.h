#pragma once
// The command-line tool's standard streams and the signals that writing can raise.

#include <QString>
#include <QStringList>

namespace zozavud {

class StandardStreams {
public:
    // Run first, before any file is opened:
    // - a closed stdin, stdout or stderr is reopened on the null device the wrong way
    //   round, so that no file the tool opens gets its number (a document would then
    //   receive what was meant for stdout) and every write to a closed stdout fails;
    // - a file-size limit makes a write fail with "File too large" instead of killing
    //   the tool without a word;
    // - a reader that hangs up makes the next write fail and is remembered, so that the
    //   tool can end quietly, as any tool in a pipe does.
    static void Prepare();

    // The program's arguments as the user gave them: argv read as UTF-8 on POSIX; on
    // Windows the wide command line, since argv there holds them in the ANSI code page,
    // which loses every character outside it.
    static QStringList Arguments(int argc, char** argv);

    enum class Outcome { Written, ReaderGone, Failed };
    // Flushes stdout and tells whether everything written to it arrived; on Failed,
    // error holds the system's reason where it is known.
    static Outcome FinishOutput(QString* error);
};

}  // namespace zozavud
