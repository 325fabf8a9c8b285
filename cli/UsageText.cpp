#include "UsageText.h"

#include <QCoreApplication>

namespace zozavud::cli {

QString CommandHelpText(const QCommandLineParser& parser, const QString& command) {
    QString text = parser.helpText();
    // The parser names the program as Qt knows it, or a placeholder without an application.
    const QString program = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                         : QStringLiteral("<executable_name>");
    const QString usage = QStringLiteral("Usage: ");
    if (text.startsWith(usage + program)) text.replace(usage.size(), program.size(), command);
    return text;
}

QString HelpHint(const QString& command) { return QStringLiteral("see '%1 --help'").arg(command); }

QString PositionalProblem(const QString& syntax, const QStringList& given) {
    const QStringList names = syntax.split(' ', Qt::SkipEmptyParts);
    if (given.size() > names.size()) return "unexpected argument " + Quoted(given.at(names.size()));
    if (given.size() == names.size()) return QString();
    QStringList missing = names.mid(given.size());
    const QString last = missing.takeLast();
    return "missing " + (missing.isEmpty() ? last : missing.join(", ") + " and " + last);
}

QCommandLineOption ImageOption(const QString& use) {
    return QCommandLineOption("image", "Image number, 1..19" + (use.isEmpty() ? QString() : "; " + use) + ".",
                              "N");
}

}  // namespace zozavud::cli
