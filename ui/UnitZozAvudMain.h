#pragma once
// The main window: holds the editor state for the run and every control.

#include <QAction>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "ActionId.h"
#include "ImageEditing.h"
#include "RecordFont.h"
#include "Spooler.h"

class QMenu;
class QToolBar;

namespace Ui {
class TFormZozAvudMain;
}

namespace zozavud {

class CommandFileNameKeeper;
class DocumentCommands;
class FitMarks;
class FontChooser;
class MainWindowServices;
class PrinterSender;
class Spooler;
class SpoolerThread;
class TDlgAbout;
class UpDownControl;
enum class CommandKind;

class TFormZozAvudMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormZozAvudMain(QWidget* parent = nullptr);
    ~TFormZozAvudMain() override;

    // The start-up steps after both windows exist: counters, language, a fresh set, image 1.
    void InitialiseEditor(uint32_t systemLocaleId);
    void SetAboutDialog(TDlgAbout* about) { about_ = about; }

    // Dialogs and boxes the window shows, the document commands' among them; tests put
    // fakes in their place.
    void SetServices(std::unique_ptr<MainWindowServices> services);
    // The print spooler, called on a thread of its own; the system's unless a test gives
    // another.
    void SetSpooler(std::unique_ptr<Spooler> spooler);

    EditorState& State() { return state_; }
    const EditorState& State() const { return state_; }

    // Showing and rendering.
    void ShowImage(int n);
    void RenderImage();
    void NewImageSet();

    // Navigation.
    void StepImage(int step);
    void UpdateNavigationButtons();

    // Text and font editing.
    void LoadFontFromRecord();
    void ShowFontInfo();
    void ShowRecordTexts();
    void ApplyFontToImage();
    void ApplyFontToAllImages();
    void ClearCurrentImage();

    // Language and default message.
    void UpdateLanguageChecks();
    void ShowDefaultMessage();

    // Undo and redo: each change of the document is one step of its history.
    EditHistory& History() { return editing_.History(); }
    void UpdateUndoActions();
    // Milliseconds of a steady clock; tests pass their own to stand for pauses in typing.
    void SetClock(std::function<int64_t()> clock) { editing_.SetClock(std::move(clock)); }

    // Files the desktop hands over: the file argument, a second copy, drag and drop.
    // Opens the document through the save prompt; a modal dialog open at the time is
    // left to finish first.
    void OpenDocumentFile(const QString& path);
    // Raises the window, then opens the file if one is given.
    void HandOverFile(const QString& path);
    // A dropped bitmap or picture into the current image, as one step.
    void ImportDroppedFile(const QString& path, bool bitmapFile);
    // The current image drawn in another font, at the preview's scale; the record stays.
    QImage FontPreview(const FontSpec& font);
    // The designed position, moved as little as needed to show the whole window.
    void PlaceOnScreen();

    // Animation.
    void StartAnimation();
    void StopAnimation();
    void AnimationTick();
    bool AnimationRunning() const { return TimerAnimation.isActive(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class MainWindowServices;
    class ActionHandler;
    struct ActionRow;
    static const ActionRow ActionTable[];  // every action, in the order of the action list

    void FormCreate();
    void CreateActions();
    QAction* Action(ActionId id) const;
    void AddActions(QMenu* menu, std::initializer_list<ActionId> ids) const;
    void CreateMenus();
    void CreateToolBar();
    void ApplyDesignFonts();
    void ApplyDecorations();
    void ConnectControls();
    void FitLayoutToStyle();
    void ActionEditUndoExecute();
    void ActionEditRedoExecute();
    void ShowRestoredImage(const std::optional<RestoredStep>& restored);
    // The texts in the boxes, as typed, and the image they belong to.
    RecordTexts TypedTexts() const;
    ShownBoxes Boxes() const { return {state_.CurrentImage, TypedTexts()}; }
    // Puts texts typed into the current image's boxes back while its record stores them.
    void ShowTypedTexts(const ShownBoxes& typed);
    // The preview and the controls that follow a render of the current image.
    void ShowRender(const RenderOutcome& outcome);
    // The language's checks in its menu and the default message.
    void ShowLanguage();
    // The document commands show an image only once a document has been read.
    void ShowOpenedDocument(int n);
    void LoadBitmapFile(const QString& path);
    void ProcessPendingOpens();
    bool ForwardDrag(QObject* watched, QEvent* event);
    void MarkTextBoxes();

    // Handlers, bound to the actions and controls.
    void ActionFileNewExecute();
    void ActionFileOpenExecute();
    void ActionFileSaveExecute();
    void ActionFileSaveAsExecute();
    void ActionFileExitExecute();
    void ActionEditClearExecute();
    void ActionEditImageNextExecute(int tag);
    void ActionEditImage1Execute(int tag);
    void ActionEditImageFirstExecute();
    void ActionEditImageLastExecute();
    void ActionEditFontChangeAllExecute();
    void ActionTextSelectFontExecute();
    void ActionBitmapLoadBitmapFileExecute();
    void ActionBitmapClearBitmapDataExecute();
    void ActionLanguageEnglishExecute(int tag);
    void ActionHelpAboutExecute();
    void ActionHelpHelpExecute();
    void ShowAboutDialog();
    // What a command that ends silently did, for a few seconds in the status line.
    void ShowDone(const QString& what);
    void OpenHelpFile();
    void CreateCommandFile(CommandKind kind);
    void SendCommand(CommandKind kind);
    // Runs the spooler work behind a window-modal progress box with Cancel; false when
    // the user cancelled before the work ended.
    bool WaitForSpooler(const QString& waitingFor, const SpoolerWork& work);
    void EditText1Change(int tag);
    void EditText1KeyPress();
    void ButtonTextClearClick();
    void CheckBoxScrollClick();
    void CheckBoxBlinkClick();
    void CheckBoxLanguageEnglishClick();
    void EditVerticalPositionOffsetChange();
    void ButtonVerticalPositionOffsetResetClick();
    void TimerAnimationTimer();

    std::unique_ptr<Ui::TFormZozAvudMain> ui_;
    ImageEditing editing_;  // the document, its render and its history
    EditorState& state_ = editing_.State();
    std::unique_ptr<MainWindowServices> services_;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<CommandFileNameKeeper> commandFileName_;
    std::unique_ptr<SpoolerThread> spoolerThread_;
    std::unique_ptr<PrinterSender> sender_;
    TDlgAbout* about_ = nullptr;
    bool closing_ = false;
    bool fillingTexts_ = false;   // the boxes are being filled from the record
    bool showingRecord_ = false;  // a record is being shown: no edit of it
    bool placed_ = false;         // the position was checked with the real frame
    QStringList pendingOpens_;
    std::unique_ptr<LcdRenderer> fontPreviewRenderer_;
    std::unique_ptr<FitMarks> fitMarks_;           // the font field's and the preview's warnings
    std::array<QAction*, ActionCount> actions_{};  // by ActionId

    // Controls made in code, named as designed.
    QMenu* MenuLanguage = nullptr;
    QToolBar* ToolBar1 = nullptr;
    UpDownControl* UpDownVericalPositionOffset = nullptr;
    QTimer TimerAnimation;
    FontSpec FontDialog1;  // the font selection state
};

}  // namespace zozavud
