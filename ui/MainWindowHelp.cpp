// Help > About and Help > Help.

#include <QGuiApplication>
#include <QMenu>

#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::ActionHelpAboutExecute() {
    // Only the Shift state when the command starts counts.
    const bool shift = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    ShowAboutDialog();
    if (shift) MenuLanguage->menuAction()->setVisible(true);
}

void TFormZozAvudMain::ActionHelpHelpExecute() { OpenHelpFile(); }

}  // namespace zozavud
