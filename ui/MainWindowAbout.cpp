// The About dialog and the help file, until their own units land.

#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::ShowAboutDialog() {}

void TFormZozAvudMain::OpenHelpFile() {}

}  // namespace zozavud
