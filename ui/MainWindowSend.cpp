// Send To Printer.

#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::SendCommand(CommandKind) {}

}  // namespace zozavud
