#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

#include "CliCommand.h"
#include "CliSupport.h"
#include "TerminalText.h"
#include "VersionResourceFile.h"
#include "VersionResourceStrings.h"

namespace zozavud::cli {

namespace {

struct VersionInfoOptions {
    QString Path;
};

std::optional<int> ParseVersionInfo(const QStringList& arguments, VersionInfoOptions& options) {
    QCommandLineParser parser;
    if (auto exit =
            ParseArguments(parser, arguments,
                           "Prints the version values of an executable, one Key=Value a line.", 1, "FILE"))
        return *exit;
    options.Path = parser.positionalArguments().at(0);
    return std::nullopt;
}

}  // namespace

int PrintVersionValues(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return Failure(QStringLiteral("%1: no such file").arg(EscapeForTerminal(path)));
    if (!info.isFile()) return Failure(QStringLiteral("%1: not a file").arg(EscapeForTerminal(path)));
    if (!info.isReadable()) return Failure(QStringLiteral("%1: cannot be read").arg(EscapeForTerminal(path)));

    if (GetFileVersionInfoSize(path) == 0)
        return Failure(QStringLiteral("%1: no version information").arg(EscapeForTerminal(path)));
    const VersionStringTable found = ReadVersionStrings(path);
    if (found.Categories.isEmpty())
        return Failure(QStringLiteral("%1: the version information holds no standard values")
                           .arg(EscapeForTerminal(path)));
    QTextStream out(stdout);
    for (qsizetype i = 0; i < found.Categories.size(); ++i)
        out << EscapeForTerminal(found.Categories[i]) << '=' << EscapeForTerminal(found.Values[i]) << '\n';
    return ExitOk;
}

int RunVersionInfo(const QStringList& arguments) {
    VersionInfoOptions options;
    if (auto exit = ParseVersionInfo(arguments, options)) return *exit;
    return PrintVersionValues(options.Path);
}

}  // namespace zozavud::cli
