#include "HelpFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace zozavud {

QString HelpFilePath(const QString& executablePath) {
    // Qt gives paths with '/' on every platform; a dot in a folder name is no extension.
    const qsizetype nameStart = executablePath.lastIndexOf(u'/') + 1;
    const qsizetype dot = executablePath.lastIndexOf(u'.');
    const qsizetype stemEnd = dot >= nameStart ? dot : executablePath.size();
    return executablePath.left(stemEnd) + QStringLiteral(".chm");
}

void OpenHelpFileOnDesktop() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFilePath(QCoreApplication::applicationFilePath())));
}

}  // namespace zozavud
