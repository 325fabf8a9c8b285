// The About dialog and the help file.

#include "HelpFile.h"
#include "UnitAbout.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::ShowAboutDialog() {
    if (!about_) return;
    about_->SetApplicationTitle(ApplicationTitle);
    about_->SetSystemLocaleId(state_.Language.SystemLocaleId);
    about_->exec();
}

void TFormZozAvudMain::OpenHelpFile() { OpenHelpFileOnDesktop(); }

}  // namespace zozavud
