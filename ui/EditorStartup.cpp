#include "EditorStartup.h"

#include <QApplication>

#include "EditorState.h"
#include "SingleInstance.h"
#include "SystemLocale.h"
#include "UnitAbout.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

int RunEditor(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setApplicationDisplayName(ApplicationTitle);

    // A second copy ends at once, with no window and no message.
    const SingleInstance instance(ApplicationTitle);
    if (!instance.IsFirst()) return 0;

    TFormZozAvudMain window;
    TDlgAbout about(&window);
    window.SetAboutDialog(&about);
    window.InitialiseEditor(SystemDefaultLocaleId());
    window.show();
    return app.exec();
}

}  // namespace zozavud
