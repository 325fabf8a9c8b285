#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zozavud {

// The help file beside an executable: the extension of its file name (after the last
// dot) replaced by ".chm", or ".chm" appended when the name has none.
QString HelpFilePath(const QString& executablePath);

// The places Help looks, in order: the help file beside the executable, then the copy
// installed under the prefix's share folder (<prefix>/bin/x -> <prefix>/share/zozavud),
// then the HTML manual there. The build tree has the same shape: build/bin and
// build/share/zozavud.
struct HelpLocations {
    QString BesideExecutable;
    QString InstalledHelpFile;
    QString HtmlIndex;
};
HelpLocations HelpLocationsFor(const QString& executablePath);

enum class HelpKind { HelpFile, HtmlManual, Missing };

struct HelpChoice {
    HelpKind Kind = HelpKind::Missing;
    QString Path;
    bool operator==(const HelpChoice&) const = default;
};

// What Help opens: the first help file that exists when the desktop can show it;
// otherwise the HTML manual when it is there; otherwise a help file all the same (the
// desktop may still offer a program for it); Missing when there is nothing at all.
HelpChoice ChooseHelp(const HelpLocations& places, const std::function<bool(const QString&)>& exists,
                      bool desktopHasHelpViewer);

// The message of the "Error" box when Help finds nothing: every place it looked.
QString MissingHelpMessage(const HelpLocations& places);

// The programs Help may try; Desktop empty for a desktop that opens files itself.
struct HelpPrograms {
    QString Desktop;
    bool DesktopShowsHelpFile = false;  // it has a viewer for compiled help
    QStringList HelpFileViewers;
    QStringList Browsers;
};

// One try: the program (empty for the desktop itself) and the file it is given.
struct HelpOpener {
    QString Program;
    QString File;
    bool operator==(const HelpOpener&) const = default;
};

// The tries, in order: for the first help file that exists, the desktop (when it can
// show it), then the viewers; for the HTML manual, the desktop, then the browsers.
std::vector<HelpOpener> HelpOpeners(const HelpLocations& places,
                                    const std::function<bool(const QString&)>& exists,
                                    const HelpPrograms& programs);

// Goes down the tries until one opens. Returns the message of the "Error" box: empty
// when the manual opened, MissingHelpMessage when there is no manual at all, else every
// try and what to install.
QString OpenHelp(const HelpLocations& places, const std::function<bool(const QString&)>& exists,
                 const HelpPrograms& programs, const std::function<bool(const HelpOpener&)>& open);

}  // namespace zozavud
