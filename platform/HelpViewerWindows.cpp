#include "HelpViewer.h"

namespace zozavud {

// Windows opens compiled help with its own viewer.
bool HelpViewer::DesktopHasViewer() { return true; }

// The shell opens files itself: the window asks it directly.
QString HelpViewer::DesktopOpener() { return {}; }

QStringList HelpViewer::HelpFileViewers() { return {QStringLiteral("hh")}; }

QStringList HelpViewer::Browsers() { return {}; }

}  // namespace zozavud
