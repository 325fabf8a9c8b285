#pragma once
#include <QString>
#include <QStringList>

namespace zozavud::test {

struct CliRun {
    int ExitCode = -1;  // -1 when the tool crashed or did not finish in time
    QString Out, Err;
    QByteArray RawOut;
};

// Runs the built zozavud-cli with the arguments.
CliRun RunCli(const QStringList& arguments, int timeoutMs = 60000);

}  // namespace zozavud::test
