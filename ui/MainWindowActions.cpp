// The action list, the main menu and the toolbar, built in one place.

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>
#include <iterator>
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
    ActionId Id;  // the row's place in the table
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
    // id, name, menu, caption, hint, tag, handler[, glyph[, keys]]
    {ActionId::FileNew, "ActionFileNew", File, "&New", "New", 0, &T::ActionFileNewExecute, 0, "Ctrl+N"},
    {ActionId::FileOpen, "ActionFileOpen", File, "&Open", "Open", 0, &T::ActionFileOpenExecute, 1, "Ctrl+O"},
    {ActionId::FileSave, "ActionFileSave", File, "&Save", "Save", 0, &T::ActionFileSaveExecute, 2, "Ctrl+S"},
    {ActionId::FileSaveAs, "ActionFileSaveAs", File, "Save &As", "SaveAs", 0, &T::ActionFileSaveAsExecute, -1,
     "Ctrl+Shift+S"},
    {ActionId::SendToPrinterThisImage, "ActionSendToPrinterThisImage", File, "Send &This Image",
     "Send This Image To Printer", Register, &T::SendCommand, 8},
    {ActionId::SendToPrinterAllImage, "ActionSendToPrinterAllImage", File, "Send &All Images",
     "Send All Images To Printer", RegisterAll, &T::SendCommand},
    {ActionId::SendToPrinterDeleteThisImage, "ActionSendToPrinterDeleteThisImage", File,
     "Send Deleting This Image", "Delete This Image For Printer", Delete, &T::SendCommand},
    {ActionId::SendToPrinterDeleteAllImages, "ActionSendToPrinterDeleteAllImages", File,
     "Send Deleting All Images", "Delete Image All For Printer", DeleteAll, &T::SendCommand},
    {ActionId::CreateCommandThisImage, "ActionCreateCommandThisImage", File, "Write &This Image",
     "Write to file this image", Register, &T::CreateCommandFile},
    {ActionId::CreateCommandAllImages, "ActionCreateCommandAllImages", File, "Write &All Images",
     "Write to file all images", RegisterAll, &T::CreateCommandFile},
    {ActionId::CreateCommandDeleteThisImage, "ActionCreateCommandDeleteThisImage", File,
     "Write Deleting This Image", "Write to file delete this image", Delete, &T::CreateCommandFile},
    {ActionId::CreateCommandDeleteAllImages, "ActionCreateCommandDeleteAllImages", File,
     "Write Deleting All Images", "Write to file delete images all", DeleteAll, &T::CreateCommandFile},
    {ActionId::FileExit, "ActionFileExit", File, "E&xit", "Exit", 0, &T::ActionFileExitExecute},
    {ActionId::EditClear, "ActionEditClear", Edit, "&Clear", "Clear", 0, &T::ActionEditClearExecute},
    {ActionId::EditImagePrev, "ActionEditImagePrev", Edit, "&Back", "Back", -1,
     &T::ActionEditImageNextExecute, 3, "PgUp"},
    {ActionId::EditImageNext, "ActionEditImageNext", Edit, "&Next", "Next", 1, &T::ActionEditImageNextExecute,
     4, "PgDown"},
    {ActionId::EditImage1, "ActionEditImage1", Edit, "Image No.&1", "Image No.1", 1,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage2, "ActionEditImage2", Edit, "Image No.&2", "Image No.2", 2,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage3, "ActionEditImage3", Edit, "Image No.&3", "Image No.3", 3,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage4, "ActionEditImage4", Edit, "Image No.&4", "Image No.4", 4,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage5, "ActionEditImage5", Edit, "Image No.&5", "Image No.5", 5,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage6, "ActionEditImage6", Edit, "Image No.&6", "Image No.6", 6,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage7, "ActionEditImage7", Edit, "Image No.&7", "Image No.7", 7,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage8, "ActionEditImage8", Edit, "Image No.&8", "Image No.8", 8,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage9, "ActionEditImage9", Edit, "Image No.&9", "Image No.9", 9,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage10, "ActionEditImage10", Edit, "Image No.1&0", "Image No.10", 10,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage11, "ActionEditImage11", Edit, "Image No.1&1", "Image No.11", 11,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage12, "ActionEditImage12", Edit, "Image No.1&2", "Image No.12", 12,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage13, "ActionEditImage13", Edit, "Image No.1&3", "Image No.13", 13,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage14, "ActionEditImage14", Edit, "Image No.1&4", "Image No.14", 14,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage15, "ActionEditImage15", Edit, "Image No.1&5", "Image No.15", 15,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage16, "ActionEditImage16", Edit, "Image No.1&6", "Image No.16", 16,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage17, "ActionEditImage17", Edit, "Image No.1&7", "Image No.17", 17,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage18, "ActionEditImage18", Edit, "Image No.1&8", "Image No.18", 18,
     &T::ActionEditImage1Execute},
    {ActionId::EditImage19, "ActionEditImage19", Edit, "Image No.1&9", "Image No.19", 19,
     &T::ActionEditImage1Execute},
    {ActionId::EditImageFirst, "ActionEditImageFirst", Edit, "&First Image", "First Image", 0,
     &T::ActionEditImageFirstExecute, 6, "Ctrl+Home"},
    {ActionId::EditImageLast, "ActionEditImageLast", Edit, "&Last Image", "Last Image", 0,
     &T::ActionEditImageLastExecute, 7, "Ctrl+End"},
    {ActionId::EditFontChangeAll, "ActionEditFontChangeAll", Edit, "Change Font in &All Image",
     "Change Font in All Image", 0, &T::ActionEditFontChangeAllExecute},
    {ActionId::EditUndo, "ActionEditUndo", Edit, "&Undo", "", 0, &T::ActionEditUndoExecute, -1, "Ctrl+Z"},
    {ActionId::EditRedo, "ActionEditRedo", Edit, "&Redo", "", 0, &T::ActionEditRedoExecute, -1,
     "Ctrl+Shift+Z; Ctrl+Y"},
    {ActionId::TextSelectFont, "ActionTextSelectFont", Text, "&Select", "", 0,
     &T::ActionTextSelectFontExecute},
    {ActionId::BitmapLoadBitmapFile, "ActionBitmapLoadBitmapFile", Bitmap, "&Load Bitmap File...", "", 0,
     &T::ActionBitmapLoadBitmapFileExecute},
    {ActionId::BitmapClearBitmapData, "ActionBitmapClearBitmapData", Bitmap, "&Clear Image", "", 0,
     &T::ActionBitmapClearBitmapDataExecute},
    {ActionId::LanguageEnglish, "ActionLanguageEnglish", Language, "&English", "", 0,
     &T::ActionLanguageEnglishExecute},
    {ActionId::LanguageJapanese, "ActionLanguageJapanese", Language, "&Japanese", "", 1,
     &T::ActionLanguageEnglishExecute},
    {ActionId::LanguageFrench, "ActionLanguageFrench", Language, "&French", "", 2,
     &T::ActionLanguageEnglishExecute},
    {ActionId::LanguageGerman, "ActionLanguageGerman", Language, "&German", "", 3,
     &T::ActionLanguageEnglishExecute},
    {ActionId::LanguageSpanish, "ActionLanguageSpanish", Language, "&Spanish", "", 4,
     &T::ActionLanguageEnglishExecute},
    {ActionId::LanguageItalian, "ActionLanguageItalian", Language, "&Italian", "", 5,
     &T::ActionLanguageEnglishExecute},
    {ActionId::LanguageChinese, "ActionLanguageChinese", Language, "&Chinese", "", 6,
     &T::ActionLanguageEnglishExecute},
    {ActionId::HelpAbout, "ActionHelpAbout", Help, "&About", "About", 0, &T::ActionHelpAboutExecute, 5},
    {ActionId::HelpHelp, "ActionHelpHelp", Help, "&Help", "help", 0, &T::ActionHelpHelpExecute, -1, "F1"},
};

namespace {

// Stands for a separator in the lists of a menu and the toolbar.
constexpr ActionId Separator = ActionId::Count;

bool IsLanguageMenu(const char* menu) { return std::string_view(menu) == Language; }

QIcon Glyph(int glyph) {
    static const char* const glyphs[] = {"new",   "open",  "save", "back", "next",
                                         "about", "first", "last", "send"};
    return QIcon(QStringLiteral(":/images/glyph%1-%2.png").arg(glyph).arg(glyphs[glyph]));
}

}  // namespace

QAction* TFormZozAvudMain::Action(ActionId id) const { return actions_.at(static_cast<std::size_t>(id)); }

void TFormZozAvudMain::CreateActions() {
    static_assert(std::size(ActionTable) == ActionCount, "one row for each ActionId");
    for (std::size_t i = 0; i < std::size(ActionTable); ++i) {
        const ActionRow& row = ActionTable[i];
        // Out of order, a row would stand for another action: every build stops at once.
        if (static_cast<std::size_t>(row.Id) != i) qFatal("action table: %s is out of place", row.Name);
        auto* action = new QAction(row.Caption, this);
        actions_[i] = action;
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
        if (IsLanguageMenu(row.Menu)) Action(row.Id)->setChecked(row.Tag == effective);
}

void TFormZozAvudMain::AddActions(QMenu* menu, std::initializer_list<ActionId> ids) const {
    for (ActionId id : ids)
        if (id == Separator)
            menu->addSeparator();
        else
            menu->addAction(Action(id));
}

void TFormZozAvudMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("MenuFile");
    AddActions(file,
               {ActionId::FileNew, ActionId::FileOpen, ActionId::FileSave, ActionId::FileSaveAs, Separator});
    QMenu* send = file->addMenu("Send To &Printer");
    send->setObjectName("MenuFileSendToPrinter");
    AddActions(send, {ActionId::SendToPrinterThisImage, ActionId::SendToPrinterAllImage, Separator,
                      ActionId::SendToPrinterDeleteThisImage, ActionId::SendToPrinterDeleteAllImages});
    QMenu* write = file->addMenu("Create Command File");
    write->setObjectName("MenuFileCreateCommandFile");
    AddActions(write, {ActionId::CreateCommandThisImage, ActionId::CreateCommandAllImages, Separator,
                       ActionId::CreateCommandDeleteThisImage, ActionId::CreateCommandDeleteAllImages});
    AddActions(file, {Separator, ActionId::FileExit});

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("MenuEdit");
    AddActions(edit, {ActionId::EditClear, ActionId::EditImagePrev, ActionId::EditImageNext});
    QMenu* jump = edit->addMenu("&Jump to");
    jump->setObjectName("MenuEditJumpTo");
    for (int n = 1; n <= ImageCount; ++n) jump->addAction(Action(NthAction(ActionId::EditImage1, n - 1)));
    AddActions(edit, {ActionId::EditImageFirst, ActionId::EditImageLast, ActionId::EditFontChangeAll,
                      Separator, ActionId::EditUndo, ActionId::EditRedo});

    MenuLanguage = bar->addMenu("Language");
    MenuLanguage->setObjectName("MenuLanguage");
    for (const ActionRow& row : ActionTable)
        if (IsLanguageMenu(row.Menu)) MenuLanguage->addAction(Action(row.Id));
    MenuLanguage->menuAction()->setVisible(false);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("MenuHelp");
    AddActions(help, {ActionId::HelpAbout, ActionId::HelpHelp});
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
    // A separator is 8 pixels wide.
    const std::initializer_list<ActionId> buttons = {ActionId::FileNew,
                                                     ActionId::FileOpen,
                                                     ActionId::FileSave,
                                                     Separator,
                                                     ActionId::SendToPrinterThisImage,
                                                     Separator,
                                                     ActionId::EditImageFirst,
                                                     ActionId::EditImagePrev,
                                                     ActionId::EditImageNext,
                                                     ActionId::EditImageLast};
    int gaps = 0;
    for (ActionId id : buttons) {
        if (id != Separator) {
            ToolBar1->addAction(Action(id));
            ToolBar1->widgetForAction(Action(id))->setFixedWidth(23);
            continue;
        }
        auto* gap = new QWidget(ToolBar1);
        gap->setObjectName(QStringLiteral("ToolBarSeparator%1").arg(++gaps));
        gap->setFixedWidth(8);
        ToolBar1->addWidget(gap);
    }
}

}  // namespace zozavud
