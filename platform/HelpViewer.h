#pragma once
// The programs of this desktop that may show the manual, and running one on a file.

#include <QString>
#include <QStringList>

namespace zozavud {

class HelpViewer {
public:
    // True when opening a .chm file on this desktop starts a viewer for it.
    static bool DesktopHasViewer();
    // The desktop's own opener, given a file as its one argument; empty where the
    // desktop opens files without a program of its own.
    static QString DesktopOpener();
    // The viewers of compiled help we know of, then the web browsers, in the order Help
    // tries them.
    static QStringList HelpFileViewers();
    static QStringList Browsers();

    // Runs program on file. True when it opened it: it exited with status 0 within
    // waitMs, or still runs then (a viewer that stays open). A program that is missing,
    // crashes or fails has not.
    static bool Run(const QString& program, const QString& file, int waitMs = DefaultWaitMs);
    static constexpr int DefaultWaitMs = 3000;
};

}  // namespace zozavud
