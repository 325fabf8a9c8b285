#include "HelpViewer.h"

namespace zozavud {

// Windows opens compiled help with its own viewer.
bool HelpViewer::DesktopHasViewer() { return true; }

}  // namespace zozavud
