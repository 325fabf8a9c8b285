#include "EditorStartup.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

#include "DocumentDialogs.h"
#include "EditorState.h"
#include "InstanceHandover.h"
#include "SingleInstance.h"
#include "SystemLocale.h"
#include "TemporaryFolder.h"
#include "UnitAbout.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

namespace {

// How long a second copy waits for the running one to take its file.
constexpr int HandoverTimeoutMs = 5000;

}  // namespace

std::optional<QString> DocumentArgument(const QStringList& arguments, QString* problem) {
    if (arguments.isEmpty()) return QString();
    if (arguments.size() > 1 || arguments.front().isEmpty() || arguments.front().startsWith('-')) {
        *problem = "usage: zozavud [FILE.lcd]";
        return std::nullopt;
    }
    return QFileInfo(arguments.front()).absoluteFilePath();
}

int RunEditor(int argc, char** argv) {
    ForgetMissingTemporaryFolder();
    QApplication app(argc, argv);
    // No display name: on X11 Qt would add it to every title bar, and the About box's
    // "About ZOZAVUD" would come out cut in the middle by the window manager.
    QApplication::setApplicationName(ApplicationTitle);

    QString problem;
    const std::optional<QString> document = DocumentArgument(QApplication::arguments().mid(1), &problem);
    if (!document) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 2;
    }

    // A lock that cannot be made is a fault: the system's words in an error box, and a failed
    // exit. A second copy hands its file to the running one, or only brings it forward, and ends.
    // Without a private folder for the lock, the box says so and the window runs unguarded.
    const SingleInstance instance(ApplicationTitle);
    if (instance.Failed()) {
        ShowFileErrorBox(nullptr, instance.ErrorText());
        return 1;
    }
    if (instance.Result() == SingleInstance::Outcome::Unguarded)
        ShowFileErrorBox(nullptr, instance.ErrorText());
    const QString handover = HandoverName(instance.LockPath());
    if (instance.Result() == SingleInstance::Outcome::Held) {
        QString error;
        if (HandOverToRunningCopy(handover, *document, HandoverTimeoutMs, &error) || document->isEmpty())
            return 0;
        std::fprintf(stderr, "zozavud: %s was not opened: %s\n", qPrintable(*document), qPrintable(error));
        return 1;
    }

    TFormZozAvudMain window;
    TDlgAbout about(&window);
    window.SetAboutDialog(&about);
    window.InitialiseEditor(SystemDefaultLocaleId());
    HandoverServer server;
    QString error;
    if (instance.IsFirst() && !server.Listen(handover, &error))
        std::fprintf(stderr, "zozavud: files cannot be handed to this window: %s\n", qPrintable(error));
    // Queued: the save prompt that opening may show must not run inside the socket's handler.
    QObject::connect(&server, &HandoverServer::HandedOver, &window, &TFormZozAvudMain::HandOverFile,
                     Qt::QueuedConnection);
    window.show();
    if (!document->isEmpty())
        QTimer::singleShot(0, &window, [&window, path = *document] { window.OpenDocumentFile(path); });
    return app.exec();
}

}  // namespace zozavud
