#include <QProcess>

#include "HelpViewer.h"

namespace zozavud {

// The desktop's default application for the help file type; an empty answer, or no
// xdg-mime at all, means nothing would open the file.
bool HelpViewer::DesktopHasViewer() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("application/vnd.ms-htmlhelp")});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
}

QString HelpViewer::DesktopOpener() { return QStringLiteral("xdg-open"); }

QStringList HelpViewer::HelpFileViewers() { return {QStringLiteral("xchm"), QStringLiteral("kchmviewer")}; }

QStringList HelpViewer::Browsers() {
    return {QStringLiteral("sensible-browser"), QStringLiteral("x-www-browser")};
}

}  // namespace zozavud
