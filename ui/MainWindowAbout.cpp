// The About dialog and the help file.

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

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

// The help file in the first viewer that opens it, else the HTML manual in a browser;
// an "Error" box when nothing opens either.
void TFormZozAvudMain::OpenHelpFile() {
    const HelpLocations places = HelpLocationsFor(QCoreApplication::applicationFilePath());
    const HelpPrograms programs{HelpViewer::DesktopOpener(), HelpViewer::DesktopHasViewer(),
                                HelpViewer::HelpFileViewers(), HelpViewer::Browsers()};
    const QString failure = OpenHelp(
        places, [](const QString& path) { return QFileInfo(path).isFile(); }, programs,
        [](const HelpOpener& opener) {
            if (opener.Program.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(opener.File));
            return HelpViewer::Run(opener.Program, opener.File);
        });
    if (!failure.isEmpty()) services_->ShowError(failure);
}

}  // namespace zozavud
