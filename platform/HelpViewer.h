#pragma once
// Whether the desktop has a program that opens compiled help (.chm) files.

namespace zozavud {

class HelpViewer {
public:
    // True when opening a .chm file on this desktop starts a viewer for it.
    static bool DesktopHasViewer();
};

}  // namespace zozavud
