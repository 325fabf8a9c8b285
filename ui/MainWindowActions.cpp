// The action list, the main menu and the toolbar, built in one place.

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>
#include <string_view>

#include "CommandEncoder.h"
#include "UnitZozAvudMain.h"

namespace zozavud {

// A handler of the window: plain, or told by the row's tag which of its like actions ran.
class TFormZozAvudMain::ActionHandler {
public:
    using T = TFormZozAvudMain;
    ActionHandler(void (T::*plain)()) : plain_(plain) {}
    ActionHandler(void (T::*tagged)(int)) : tagged_(tagged) {}
    ActionHandler(void (T::*command)(CommandKind)) : command_(command) {}

    void Run(T& window, int tag) const {
        if (plain_)
            (window.*plain_)();
        else if (tagged_)
            (window.*tagged_)(tag);
        else
            (window.*command_)(static_cast<CommandKind>(tag));
    }

private:
    void (T::*plain_)() = nullptr;
    void (T::*tagged_)(int) = nullptr;
    void (T::*command_)(CommandKind) = nullptr;
};

struct TFormZozAvudMain::ActionRow {
    const char* Name;
    const char* Menu;  // the category the action belongs to
    const char* Caption;
    const char* Hint;  // tooltip and status text; "" for none
    int Tag;           // handed to the handler; the command kind for send and write
    ActionHandler Handler;
    int Glyph = -1;             // toolbar picture, -1 for none
    const char* Shortcut = "";  // portable key text, "; " between keys
};

namespace {

using T = TFormZozAvudMain;

constexpr const char* File = "File";
constexpr const char* Edit = "Edit";
constexpr const char* Text = "Text";
constexpr const char* Bitmap = "Bitmap";
constexpr const char* Language = "Language";
constexpr const char* Help = "Help";

constexpr int Register = static_cast<int>(CommandKind::RegisterImage);
constexpr int RegisterAll = static_cast<int>(CommandKind::RegisterAllImages);
constexpr int Delete = static_cast<int>(CommandKind::DeleteImage);
constexpr int DeleteAll = static_cast<int>(CommandKind::DeleteAllImages);

}  // namespace

const TFormZozAvudMain::ActionRow TFormZozAvudMain::ActionTable[] = {
    // name, menu, caption, hint, tag, handler[, glyph[, keys]]
    {"ActionFileNew", File, "&New", "New", 0, &T::ActionFileNewExecute, 0, "Ctrl+N"},
    {"ActionFileOpen", File, "&Open", "Open", 0, &T::ActionFileOpenExecute, 1, "Ctrl+O"},
    {"ActionFileSave", File, "&Save", "Save", 0, &T::ActionFileSaveExecute, 2, "Ctrl+S"},
    {"ActionFileSaveAs", File, "Save &As", "SaveAs", 0, &T::ActionFileSaveAsExecute, -1, "Ctrl+Shift+S"},
    {"ActionSendToPrinterThisImage", File, "Send &This Image", "Send This Image To Printer", Register,
     &T::SendCommand, 8},
    {"ActionSendToPrinterAllImage", File, "Send &All Images", "Send All Images To Printer", RegisterAll,
     &T::SendCommand},
    {"ActionSendToPrinterDeleteThisImage", File, "Send Deleting This Image", "Delete This Image For Printer",
     Delete, &T::SendCommand},
    {"ActionSendToPrinterDeleteAllImages", File, "Send Deleting All Images", "Delete Image All For Printer",
     DeleteAll, &T::SendCommand},
    {"ActionCreateCommandThisImage", File, "Write &This Image", "Write to file this image", Register,
     &T::CreateCommandFile},
    {"ActionCreateCommandAllImages", File, "Write &All Images", "Write to file all images", RegisterAll,
     &T::CreateCommandFile},
    {"ActionCreateCommandDeleteThisImage", File, "Write Deleting This Image",
     "Write to file delete this image", Delete, &T::CreateCommandFile},
    {"ActionCreateCommandDeleteAllImages", File, "Write Deleting All Images",
     "Write to file delete images all", DeleteAll, &T::CreateCommandFile},
    {"ActionFileExit", File, "E&xit", "Exit", 0, &T::ActionFileExitExecute},
    {"ActionEditClear", Edit, "&Clear", "Clear", 0, &T::ActionEditClearExecute},
    {"ActionEditImagePrev", Edit, "&Back", "Back", -1, &T::ActionEditImageNextExecute, 3, "PgUp"},
    {"ActionEditImageNext", Edit, "&Next", "Next", 1, &T::ActionEditImageNextExecute, 4, "PgDown"},
    {"ActionEditImage1", Edit, "Image No.&1", "Image No.1", 1, &T::ActionEditImage1Execute},
    {"ActionEditImage2", Edit, "Image No.&2", "Image No.2", 2, &T::ActionEditImage1Execute},
    {"ActionEditImage3", Edit, "Image No.&3", "Image No.3", 3, &T::ActionEditImage1Execute},
    {"ActionEditImage4", Edit, "Image No.&4", "Image No.4", 4, &T::ActionEditImage1Execute},
    {"ActionEditImage5", Edit, "Image No.&5", "Image No.5", 5, &T::ActionEditImage1Execute},
    {"ActionEditImage6", Edit, "Image No.&6", "Image No.6", 6, &T::ActionEditImage1Execute},
    {"ActionEditImage7", Edit, "Image No.&7", "Image No.7", 7, &T::ActionEditImage1Execute},
    {"ActionEditImage8", Edit, "Image No.&8", "Image No.8", 8, &T::ActionEditImage1Execute},
    {"ActionEditImage9", Edit, "Image No.&9", "Image No.9", 9, &T::ActionEditImage1Execute},
    {"ActionEditImage10", Edit, "Image No.1&0", "Image No.10", 10, &T::ActionEditImage1Execute},
    {"ActionEditImage11", Edit, "Image No.1&1", "Image No.11", 11, &T::ActionEditImage1Execute},
    {"ActionEditImage12", Edit, "Image No.1&2", "Image No.12", 12, &T::ActionEditImage1Execute},
    {"ActionEditImage13", Edit, "Image No.1&3", "Image No.13", 13, &T::ActionEditImage1Execute},
    {"ActionEditImage14", Edit, "Image No.1&4", "Image No.14", 14, &T::ActionEditImage1Execute},
    {"ActionEditImage15", Edit, "Image No.1&5", "Image No.15", 15, &T::ActionEditImage1Execute},
    {"ActionEditImage16", Edit, "Image No.1&6", "Image No.16", 16, &T::ActionEditImage1Execute},
    {"ActionEditImage17", Edit, "Image No.1&7", "Image No.17", 17, &T::ActionEditImage1Execute},
    {"ActionEditImage18", Edit, "Image No.1&8", "Image No.18", 18, &T::ActionEditImage1Execute},
    {"ActionEditImage19", Edit, "Image No.1&9", "Image No.19", 19, &T::ActionEditImage1Execute},
    {"ActionEditImageFirst", Edit, "&First Image", "First Image", 0, &T::ActionEditImageFirstExecute, 6,
     "Ctrl+Home"},
    {"ActionEditImageLast", Edit, "&Last Image", "Last Image", 0, &T::ActionEditImageLastExecute, 7,
     "Ctrl+End"},
    {"ActionEditFontChangeAll", Edit, "Change Font in &All Image", "Change Font in All Image", 0,
     &T::ActionEditFontChangeAllExecute},
    {"ActionEditUndo", Edit, "&Undo", "", 0, &T::ActionEditUndoExecute, -1, "Ctrl+Z"},
    {"ActionEditRedo", Edit, "&Redo", "", 0, &T::ActionEditRedoExecute, -1, "Ctrl+Shift+Z; Ctrl+Y"},
    {"ActionTextSelectFont", Text, "&Select", "", 0, &T::ActionTextSelectFontExecute},
    {"ActionBitmapLoadBitmapFile", Bitmap, "&Load Bitmap File...", "", 0,
     &T::ActionBitmapLoadBitmapFileExecute},
    {"ActionBitmapClearBitmapData", Bitmap, "&Clear Image", "", 0, &T::ActionBitmapClearBitmapDataExecute},
    {"ActionLanguageEnglish", Language, "&English", "", 0, &T::ActionLanguageEnglishExecute},
    {"ActionLanguageJapanese", Language, "&Japanese", "", 1, &T::ActionLanguageEnglishExecute},
    {"ActionLanguageFrench", Language, "&French", "", 2, &T::ActionLanguageEnglishExecute},
    {"ActionLanguageGerman", Language, "&German", "", 3, &T::ActionLanguageEnglishExecute},
    {"ActionLanguageSpanish", Language, "&Spanish", "", 4, &T::ActionLanguageEnglishExecute},
    {"ActionLanguageItalian", Language, "&Italian", "", 5, &T::ActionLanguageEnglishExecute},
    {"ActionLanguageChinese", Language, "&Chinese", "", 6, &T::ActionLanguageEnglishExecute},
    {"ActionHelpAbout", Help, "&About", "About", 0, &T::ActionHelpAboutExecute, 5},
    {"ActionHelpHelp", Help, "&Help", "help", 0, &T::ActionHelpHelpExecute, -1, "F1"},
};

namespace {

bool IsLanguageMenu(const char* menu) { return std::string_view(menu) == Language; }

QIcon Glyph(int glyph) {
    static const char* const glyphs[] = {"new",   "open",  "save", "back", "next",
                                         "about", "first", "last", "send"};
    return QIcon(QStringLiteral(":/images/glyph%1-%2.png").arg(glyph).arg(glyphs[glyph]));
}

}  // namespace

QAction* TFormZozAvudMain::Action(const char* name) const {
    QAction* action = findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(action, "Action", name);
    return action;
}

void TFormZozAvudMain::CreateActions() {
    for (const ActionRow& row : ActionTable) {
        auto* action = new QAction(row.Caption, this);
        action->setObjectName(row.Name);
        action->setProperty("Category", row.Menu);
        if (*row.Hint) {
            action->setToolTip(row.Hint);
            action->setStatusTip(row.Hint);
        }
        if (row.Glyph >= 0) action->setIcon(Glyph(row.Glyph));
        action->setIconVisibleInMenu(false);
        if (*row.Shortcut) {
            action->setShortcuts(QKeySequence::listFromString(row.Shortcut, QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);  // the keys work wherever the focus is in the window
        }
        if (IsLanguageMenu(row.Menu)) action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, &row] { row.Handler.Run(*this, row.Tag); });
    }
    UpdateUndoActions();
}

void TFormZozAvudMain::UpdateLanguageChecks() {
    const int effective = static_cast<int>(state_.Language.EffectiveLanguage());
    for (const ActionRow& row : ActionTable)
        if (IsLanguageMenu(row.Menu)) Action(row.Name)->setChecked(row.Tag == effective);
}

void TFormZozAvudMain::AddActions(QMenu* menu, std::initializer_list<const char*> names) const {
    // A null name stands for a separator.
    for (const char* name : names)
        if (name)
            menu->addAction(Action(name));
        else
            menu->addSeparator();
}

void TFormZozAvudMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("MenuFile");
    AddActions(file, {"ActionFileNew", "ActionFileOpen", "ActionFileSave", "ActionFileSaveAs", nullptr});
    QMenu* send = file->addMenu("Send To &Printer");
    send->setObjectName("MenuFileSendToPrinter");
    AddActions(send, {"ActionSendToPrinterThisImage", "ActionSendToPrinterAllImage", nullptr,
                      "ActionSendToPrinterDeleteThisImage", "ActionSendToPrinterDeleteAllImages"});
    QMenu* write = file->addMenu("Create Command File");
    write->setObjectName("MenuFileCreateCommandFile");
    AddActions(write, {"ActionCreateCommandThisImage", "ActionCreateCommandAllImages", nullptr,
                       "ActionCreateCommandDeleteThisImage", "ActionCreateCommandDeleteAllImages"});
    AddActions(file, {nullptr, "ActionFileExit"});

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("MenuEdit");
    AddActions(edit, {"ActionEditClear", "ActionEditImagePrev", "ActionEditImageNext"});
    QMenu* jump = edit->addMenu("&Jump to");
    jump->setObjectName("MenuEditJumpTo");
    for (int n = 1; n <= ImageCount; ++n) {
        const QByteArray name = "ActionEditImage" + QByteArray::number(n);
        jump->addAction(Action(name.constData()));
    }
    AddActions(edit, {"ActionEditImageFirst", "ActionEditImageLast", "ActionEditFontChangeAll", nullptr,
                      "ActionEditUndo", "ActionEditRedo"});

    MenuLanguage = bar->addMenu("Language");
    MenuLanguage->setObjectName("MenuLanguage");
    for (const ActionRow& row : ActionTable)
        if (IsLanguageMenu(row.Menu)) MenuLanguage->addAction(Action(row.Name));
    MenuLanguage->menuAction()->setVisible(false);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("MenuHelp");
    AddActions(help, {"ActionHelpAbout", "ActionHelpHelp"});
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
    // A null name stands for a separator, 8 pixels wide.
    const std::initializer_list<const char*> buttons = {"ActionFileNew",
                                                        "ActionFileOpen",
                                                        "ActionFileSave",
                                                        nullptr,
                                                        "ActionSendToPrinterThisImage",
                                                        nullptr,
                                                        "ActionEditImageFirst",
                                                        "ActionEditImagePrev",
                                                        "ActionEditImageNext",
                                                        "ActionEditImageLast"};
    int gaps = 0;
    for (const char* name : buttons) {
        if (name) {
            ToolBar1->addAction(Action(name));
            ToolBar1->widgetForAction(Action(name))->setFixedWidth(23);
            continue;
        }
        auto* gap = new QWidget(ToolBar1);
        gap->setObjectName(QStringLiteral("ToolBarSeparator%1").arg(++gaps));
        gap->setFixedWidth(8);
        ToolBar1->addWidget(gap);
    }
}

}  // namespace zozavud
