#include "HelpFile.h"

#include <QDir>

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

std::vector<HelpOpener> HelpOpeners(const HelpLocations& places,
                                    const std::function<bool(const QString&)>& exists,
                                    const HelpPrograms& programs) {
    std::vector<HelpOpener> tries;
    for (const QString& helpFile : {places.BesideExecutable, places.InstalledHelpFile})
        if (exists(helpFile)) {
            if (programs.DesktopShowsHelpFile) tries.push_back({programs.Desktop, helpFile});
            for (const QString& viewer : programs.HelpFileViewers) tries.push_back({viewer, helpFile});
            break;
        }
    if (exists(places.HtmlIndex)) {
        tries.push_back({programs.Desktop, places.HtmlIndex});
        for (const QString& browser : programs.Browsers) tries.push_back({browser, places.HtmlIndex});
    }
    return tries;
}

QString OpenHelp(const HelpLocations& places, const std::function<bool(const QString&)>& exists,
                 const HelpPrograms& programs, const std::function<bool(const HelpOpener&)>& open) {
    const std::vector<HelpOpener> tries = HelpOpeners(places, exists, programs);
    if (tries.empty()) return MissingHelpMessage(places);
    QStringList tried;
    for (const HelpOpener& opener : tries) {
        if (open(opener)) return {};
        const QString program = opener.Program.isEmpty() ? QStringLiteral("the desktop") : opener.Program;
        tried << QStringLiteral("%1 %2").arg(program, opener.File);
    }
    return QStringLiteral(
               "No program could open the manual. Tried:\n%1\nInstall xchm to read the help file "
               "(the package recommends it), or a web browser for the HTML manual.")
        .arg(tried.join('\n'));
}

}  // namespace zozavud
