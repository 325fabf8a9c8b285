#include "HelpFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace zozavud {

QString HelpFilePath(const QString& executablePath) {
    // Qt gives paths with '/' on every platform; a dot in a folder name is no extension.
    const qsizetype nameStart = executablePath.lastIndexOf(u'/') + 1;
    const qsizetype dot = executablePath.lastIndexOf(u'.');
    const qsizetype stemEnd = dot >= nameStart ? dot : executablePath.size();
    return executablePath.left(stemEnd) + QStringLiteral(".chm");
}

HelpLocations HelpLocationsFor(const QString& executablePath) {
    const qsizetype slash = executablePath.lastIndexOf(u'/');
    const QString folder = slash >= 0 ? executablePath.left(slash) : QStringLiteral(".");
    const QString share = QDir::cleanPath(folder + QStringLiteral("/../share/zozavud"));
    return {HelpFilePath(executablePath), share + QStringLiteral("/zozavud.chm"),
            share + QStringLiteral("/manual/index.html")};
}

HelpChoice ChooseHelp(const HelpLocations& places, const std::function<bool(const QString&)>& exists,
                      bool desktopHasHelpViewer) {
    QString helpFile;
    for (const QString& candidate : {places.BesideExecutable, places.InstalledHelpFile})
        if (exists(candidate)) {
            helpFile = candidate;
            break;
        }
    if (!helpFile.isEmpty() && desktopHasHelpViewer) return {HelpKind::HelpFile, helpFile};
    if (exists(places.HtmlIndex)) return {HelpKind::HtmlManual, places.HtmlIndex};
    if (!helpFile.isEmpty()) return {HelpKind::HelpFile, helpFile};
    return {};
}

QString MissingHelpMessage(const HelpLocations& places) {
    return QStringLiteral("The manual was not found. Looked for:\n%1\n%2\n%3")
        .arg(places.BesideExecutable, places.InstalledHelpFile, places.HtmlIndex);
}

bool OpenHelpOnDesktop(const HelpChoice& choice) {
    return choice.Kind != HelpKind::Missing && QDesktopServices::openUrl(QUrl::fromLocalFile(choice.Path));
}

}  // namespace zozavud
