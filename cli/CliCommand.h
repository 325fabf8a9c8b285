#pragma once
#include <QStringList>
#include <vector>

namespace zozavud::cli {

enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

struct CliCommand {
    const char* Name;
    const char* Summary;
    // Commands that draw text need the font database (a QGuiApplication); the others
    // run on a bare QCoreApplication and start faster.
    bool NeedsFonts;
    // arguments[0] is "zozavud-cli <name>"; the command's own arguments follow.
    int (*Run)(const QStringList& arguments);
};

const std::vector<CliCommand>& Commands();

// The version values of an executable, one Key=Value a line on stdout, as version-info
// prints them; --version gives those of the tool itself.
int PrintVersionValues(const QString& path);

}  // namespace zozavud::cli
