#include "UnitZozAvudMain.h"

namespace zozavud {

TFormZozAvudMain::TFormZozAvudMain(QWidget* parent) : QMainWindow(parent) {}

}  // namespace zozavud
