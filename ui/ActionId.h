#pragma once
// The main window's actions, one enumerator per row of its action table, in the table's
// order: menus, the toolbar and the handlers name an action so, and a name that is not in
// the table does not compile.

namespace zozavud {

enum class ActionId {
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    SendToPrinterThisImage,
    SendToPrinterAllImage,
    SendToPrinterDeleteThisImage,
    SendToPrinterDeleteAllImages,
    CreateCommandThisImage,
    CreateCommandAllImages,
    CreateCommandDeleteThisImage,
    CreateCommandDeleteAllImages,
    FileExit,
    EditClear,
    EditImagePrev,
    EditImageNext,
    EditImage1,
    EditImage2,
    EditImage3,
    EditImage4,
    EditImage5,
    EditImage6,
    EditImage7,
    EditImage8,
    EditImage9,
    EditImage10,
    EditImage11,
    EditImage12,
    EditImage13,
    EditImage14,
    EditImage15,
    EditImage16,
    EditImage17,
    EditImage18,
    EditImage19,
    EditImageFirst,
    EditImageLast,
    EditFontChangeAll,
    EditUndo,
    EditRedo,
    TextSelectFont,
    BitmapLoadBitmapFile,
    BitmapClearBitmapData,
    LanguageEnglish,
    LanguageJapanese,
    LanguageFrench,
    LanguageGerman,
    LanguageSpanish,
    LanguageItalian,
    LanguageChinese,
    HelpAbout,
    HelpHelp,
    Count
};

inline constexpr int ActionCount = static_cast<int>(ActionId::Count);

// The n-th of a run of like actions (images 1..19, the languages).
constexpr ActionId NthAction(ActionId first, int n) {
    return static_cast<ActionId>(static_cast<int>(first) + n);
}

}  // namespace zozavud
