// The About dialog and the help file.

#include <QCoreApplication>
#include <QFileInfo>

#include "HelpFile.h"
#include "HelpViewer.h"
#include "MainWindowServices.h"
#include "UnitAbout.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::ShowAboutDialog() {
    if (!about_) return;
    about_->SetApplicationTitle(ApplicationTitle);
    about_->SetSystemLocaleId(state_.Language.SystemLocaleId);
    about_->exec();
}

// The help file when the desktop can show it, else the HTML manual; an "Error" box
// when there is neither, or when the desktop refuses the file.
void TFormZozAvudMain::OpenHelpFile() {
    const HelpLocations places = HelpLocationsFor(QCoreApplication::applicationFilePath());
    const HelpChoice choice = ChooseHelp(
        places, [](const QString& path) { return QFileInfo(path).isFile(); }, HelpViewer::DesktopHasViewer());
    if (choice.Kind == HelpKind::Missing) {
        services_->ShowError(MissingHelpMessage(places));
        return;
    }
    if (!OpenHelpOnDesktop(choice))
        services_->ShowError(QStringLiteral("The desktop could not open the manual. (%1)").arg(choice.Path));
}

}  // namespace zozavud
