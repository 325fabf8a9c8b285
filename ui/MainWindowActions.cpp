// The action list, the main menu and the toolbar, built in one place.

#include <QMenuBar>
#include <QToolBar>
#include <QWidget>

#include "CommandEncoder.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

namespace {

QAction* MakeAction(QObject* owner, const char* name, const char* category, const QString& caption,
                    const QString& hint, int tag, int glyph = -1) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setProperty("Category", category);
    action->setData(tag);  // the Tag that shared handlers read
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (glyph >= 0) {
        static const char* const glyphs[] = {"new", "open", "save", "back", "next",
                                             "about", "first", "last", "send"};
        action->setIcon(QIcon(QStringLiteral(":/images/glyph%1-%2.png").arg(glyph).arg(glyphs[glyph])));
    }
    action->setIconVisibleInMenu(false);
    return action;
}

}  // namespace

void TFormZozAvudMain::CreateActions() {
    using T = TFormZozAvudMain;
    auto bind = [this](QAction* action, void (T::*handler)()) {
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    ActionFileNew = bind(MakeAction(this, "ActionFileNew", "File", "&New", "New", 0, 0), &T::ActionFileNewExecute);
    ActionFileOpen = bind(MakeAction(this, "ActionFileOpen", "File", "&Open", "Open", 0, 1), &T::ActionFileOpenExecute);
    ActionFileSave = bind(MakeAction(this, "ActionFileSave", "File", "&Save", "Save", 0, 2), &T::ActionFileSaveExecute);
    ActionFileSaveAs = bind(MakeAction(this, "ActionFileSaveAs", "File", "Save &As", "SaveAs", 0), &T::ActionFileSaveAsExecute);

    auto send = [this](const char* name, const char* caption, const char* hint, CommandKind kind, int glyph = -1) {
        QAction* action = MakeAction(this, name, "File", caption, hint, 0, glyph);
        connect(action, &QAction::triggered, this, [this, kind] { SendCommand(kind); });
        return action;
    };
    ActionSendToPrinterThisImage = send("ActionSendToPrinterThisImage", "Send &This Image", "Send This Image To Printer", CommandKind::RegisterImage, 8);
    ActionSendToPrinterAllImage = send("ActionSendToPrinterAllImage", "Send &All Images", "Send All Images To Printer", CommandKind::RegisterAllImages);
    ActionSendToPrinterDeleteThisImage = send("ActionSendToPrinterDeleteThisImage", "Send Deleting This Image", "Delete This Image For Printer", CommandKind::DeleteImage);
    ActionSendToPrinterDeleteAllImages = send("ActionSendToPrinterDeleteAllImages", "Send Deleting All Images", "Delete Image All For Printer", CommandKind::DeleteAllImages);

    auto write = [this](const char* name, const char* caption, const char* hint, CommandKind kind) {
        QAction* action = MakeAction(this, name, "File", caption, hint, 0);
        connect(action, &QAction::triggered, this, [this, kind] { CreateCommandFile(kind); });
        return action;
    };
    ActionCreateCommandThisImage = write("ActionCreateCommandThisImage", "Write &This Image", "Write to file this image", CommandKind::RegisterImage);
    ActionCreateCommandAllImages = write("ActionCreateCommandAllImages", "Write &All Images", "Write to file all images", CommandKind::RegisterAllImages);
    ActionCreateCommandDeleteThisImage = write("ActionCreateCommandDeleteThisImage", "Write Deleting This Image", "Write to file delete this image", CommandKind::DeleteImage);
    ActionCreateCommandDeleteAllImages = write("ActionCreateCommandDeleteAllImages", "Write Deleting All Images", "Write to file delete images all", CommandKind::DeleteAllImages);
    ActionFileExit = bind(MakeAction(this, "ActionFileExit", "File", "E&xit", "Exit", 0), &T::ActionFileExitExecute);

    ActionEditClear = bind(MakeAction(this, "ActionEditClear", "Edit", "&Clear", "Clear", 0), &T::ActionEditClearExecute);
    ActionEditImagePrev = bind(MakeAction(this, "ActionEditImagePrev", "Edit", "&Back", "Back", -1, 3), &T::ActionEditImageNextExecute);
    ActionEditImageNext = bind(MakeAction(this, "ActionEditImageNext", "Edit", "&Next", "Next", 1, 4), &T::ActionEditImageNextExecute);
    for (int n = 1; n <= ImageCount; ++n) {
        // "Image No.&1" .. "Image No.&9", then "Image No.1&0" .. "Image No.1&9".
        const QString digits = QString::number(n);
        const QString caption = "Image No." + digits.left(digits.size() - 1) + "&" + digits.right(1);
        const QByteArray name = "ActionEditImage" + digits.toLatin1();
        ActionEditImage[n - 1] = bind(MakeAction(this, name.constData(), "Edit", caption, "Image No." + digits, n),
                                      &T::ActionEditImage1Execute);
    }
    ActionEditImageFirst = bind(MakeAction(this, "ActionEditImageFirst", "Edit", "&First Image", "First Image", 0, 6), &T::ActionEditImageFirstExecute);
    ActionEditImageLast = bind(MakeAction(this, "ActionEditImageLast", "Edit", "&Last Image", "Last Image", 0, 7), &T::ActionEditImageLastExecute);
    ActionEditFontChangeAll = bind(MakeAction(this, "ActionEditFontChangeAll", "Edit", "Change Font in &All Image", "Change Font in All Image", 0), &T::ActionEditFontChangeAllExecute);
    ActionTextSelectFont = bind(MakeAction(this, "ActionTextSelectFont", "Text", "&Select", "", 0), &T::ActionTextSelectFontExecute);
    ActionBitmapLoadBitmapFile = bind(MakeAction(this, "ActionBitmapLoadBitmapFile", "Bitmap", "&Load Bitmap File...", "", 0), &T::ActionBitmapLoadBitmapFileExecute);
    ActionBitmapClearBitmapData = bind(MakeAction(this, "ActionBitmapClearBitmapData", "Bitmap", "&Clear Image", "", 0), &T::ActionBitmapClearBitmapDataExecute);

    static const char* const languages[LanguageCount][2] = {
        {"ActionLanguageEnglish", "&English"}, {"ActionLanguageJapanese", "&Japanese"},
        {"ActionLanguageFrench", "&French"},   {"ActionLanguageGerman", "&German"},
        {"ActionLanguageSpanish", "&Spanish"}, {"ActionLanguageItalian", "&Italian"},
        {"ActionLanguageChinese", "&Chinese"}};
    for (int tag = 0; tag < LanguageCount; ++tag) {
        QAction* action = MakeAction(this, languages[tag][0], "Language", languages[tag][1], "", tag);
        action->setCheckable(true);
        ActionLanguage[tag] = bind(action, &T::ActionLanguageEnglishExecute);
    }
    ActionHelpAbout = bind(MakeAction(this, "ActionHelpAbout", "Help", "&About", "About", 0, 5), &T::ActionHelpAboutExecute);
    ActionHelpHelp = bind(MakeAction(this, "ActionHelpHelp", "Help", "&Help", "help", 0), &T::ActionHelpHelpExecute);
}

void TFormZozAvudMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu("&File");
    file->addActions({ActionFileNew, ActionFileOpen, ActionFileSave, ActionFileSaveAs});
    file->addSeparator();
    QMenu* send = file->addMenu("Send To &Printer");
    send->addActions({ActionSendToPrinterThisImage, ActionSendToPrinterAllImage});
    send->addSeparator();
    send->addActions({ActionSendToPrinterDeleteThisImage, ActionSendToPrinterDeleteAllImages});
    QMenu* write = file->addMenu("Create Command File");
    write->addActions({ActionCreateCommandThisImage, ActionCreateCommandAllImages});
    write->addSeparator();
    write->addActions({ActionCreateCommandDeleteThisImage, ActionCreateCommandDeleteAllImages});
    file->addSeparator();
    file->addAction(ActionFileExit);

    QMenu* edit = bar->addMenu("&Edit");
    edit->addActions({ActionEditClear, ActionEditImagePrev, ActionEditImageNext});
    QMenu* jump = edit->addMenu("&Jump to");
    for (QAction* action : ActionEditImage) jump->addAction(action);
    edit->addActions({ActionEditImageFirst, ActionEditImageLast, ActionEditFontChangeAll});
    edit->addSeparator();
    edit->addActions({ActionEditUndo, ActionEditRedo});

    MenuLanguage = bar->addMenu("Language");
    MenuLanguage->setObjectName("MenuLanguage");
    for (QAction* action : ActionLanguage) MenuLanguage->addAction(action);
    MenuLanguage->menuAction()->setVisible(false);

    QMenu* help = bar->addMenu("&Help");
    help->addActions({ActionHelpAbout, ActionHelpHelp});
}

void TFormZozAvudMain::CreateToolBar() {
    ToolBar1 = new QToolBar("ToolBar1", this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setFixedHeight(25);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->setStyleSheet("QToolBar { spacing: 0px; padding: 0px; } QToolButton { width: 19px; }");
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    auto separator = [this] {
        auto* gap = new QWidget(ToolBar1);
        gap->setFixedWidth(8);
        ToolBar1->addWidget(gap);
    };
    ToolBar1->addActions({ActionFileNew, ActionFileOpen, ActionFileSave});
    separator();
    ToolBar1->addAction(ActionSendToPrinterThisImage);
    separator();
    ToolBar1->addActions({ActionEditImageFirst, ActionEditImagePrev, ActionEditImageNext, ActionEditImageLast});
    for (QAction* action : ToolBar1->actions())
        if (QWidget* button = ToolBar1->widgetForAction(action); button && !action->icon().isNull())
            button->setFixedWidth(23);
}

}  // namespace zozavud
