#pragma once
#include <QString>
#include <functional>

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

// Hands the chosen file to the desktop; false when the desktop refused it.
bool OpenHelpOnDesktop(const HelpChoice& choice);

}  // namespace zozavud
