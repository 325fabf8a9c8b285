#include "TemporaryFolder.h"

#include <QFileInfo>
#include <QString>

namespace zozavud {

void ForgetMissingTemporaryFolder() {
    if (!qEnvironmentVariableIsSet("TMPDIR")) return;
    const QString named = qEnvironmentVariable("TMPDIR");
    if (named.isEmpty() || !QFileInfo(named).isDir()) qunsetenv("TMPDIR");
}

}  // namespace zozavud
