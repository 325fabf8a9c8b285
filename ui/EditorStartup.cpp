#include "EditorStartup.h"

#include <QApplication>

#include "DocumentDialogs.h"
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

    // A second copy ends at once, with no window and no message. A lock that cannot be
    // made is a fault: the system's words in an error box, and a failed exit.
    const SingleInstance instance(ApplicationTitle);
    if (instance.Failed()) {
        ShowFileErrorBox(nullptr, instance.ErrorText());
        return 1;
    }
    if (!instance.IsFirst()) return 0;

    TFormZozAvudMain window;
    TDlgAbout about(&window);
    window.SetAboutDialog(&about);
    window.InitialiseEditor(SystemDefaultLocaleId());
    window.show();
    return app.exec();
}

}  // namespace zozavud
