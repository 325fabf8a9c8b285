#include "CliProcess.h"

#include <QProcess>

namespace zozavud::test {

CliRun RunCli(const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(QStringLiteral(ZOZAVUD_BINARY_DIR "/bin/zozavud-cli"), arguments);
    CliRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return run;
    }
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.RawOut = process.readAllStandardOutput();
    run.Out = QString::fromUtf8(run.RawOut);
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace zozavud::test
