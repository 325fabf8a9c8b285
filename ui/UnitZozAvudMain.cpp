#include "UnitZozAvudMain.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "CommandFileName.h"
#include "DocumentCommands.h"
#include "FitMarks.h"
#include "PrinterSend.h"
#include "QtMainWindowServices.h"
#include "SpoolerThread.h"
#include "UpDownControl.h"
#include "ui_UnitZozAvudMain.h"

namespace zozavud {

TFormZozAvudMain::TFormZozAvudMain(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TFormZozAvudMain>()) {
    ui_->setupUi(this);
    auto services = std::make_unique<QtMainWindowServices>(this);
    services->SetFontPreview([this](const FontSpec& font) { return FontPreview(font); });
    SetServices(std::move(services));
    commandFileName_ = std::make_unique<CommandFileNameKeeper>();
    editing_.SetRenderListener([this](const RenderOutcome& outcome) { ShowRender(outcome); });
    editing_.SetHistoryListener([this] { UpdateUndoActions(); });
    editing_.SetBoxes([this] { return Boxes(); });
    FormCreate();
}

TFormZozAvudMain::~TFormZozAvudMain() = default;

void TFormZozAvudMain::SetServices(std::unique_ptr<MainWindowServices> services) {
    // The sender holds the old services' printer chooser: it is made again on next use.
    sender_.reset();
    services_ = std::move(services);
    services_->window_ = this;
    documents_ = std::make_unique<DocumentCommands>(state_, *services_);
}

void TFormZozAvudMain::FormCreate() {
    setWindowTitle(ApplicationTitle);
    TimerAnimation.setObjectName("TimerAnimation");
    TimerAnimation.setInterval(400);
    connect(&TimerAnimation, &QTimer::timeout, this, &TFormZozAvudMain::TimerAnimationTimer);

    UpDownVericalPositionOffset = new UpDownControl(ui_->EditVerticalPositionOffset, ui_->GroupBoxAttribute);
    UpDownVericalPositionOffset->setObjectName("UpDownVericalPositionOffset");
    UpDownVericalPositionOffset->setGeometry(ui_->UpDownVericalPositionOffsetPlace->geometry());
    UpDownVericalPositionOffset->SetRange(MinVerticalOffset, MaxVerticalOffset);
    ui_->UpDownVericalPositionOffsetPlace->hide();

    ApplyDesignFonts();
    ApplyDecorations();
    fitMarks_ = std::make_unique<FitMarks>(*ui_->StaticTextFontName, *ui_->ImageLCDExpand);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    ConnectControls();
    FitLayoutToStyle();

    // The client is the toolbar, the image number bar and the two panels: 730 x 443. The
    // status line goes below it.
    constexpr int ClientWidth = 730;
    constexpr int ClientHeight = 25 + 25 + 129 + 264;
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(false);
    centralWidget()->setFixedSize(ClientWidth, ClientHeight - 25);
    setFixedSize(ClientWidth,
                 ClientHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    PlaceOnScreen();

    // Centre the magnified preview in its bezel.
    QWidget* bezel = ui_->PanelPreviewBavel;
    QWidget* preview = ui_->ImageLCDExpand;
    preview->move((bezel->width() - preview->width()) / 2, (bezel->height() - preview->height()) / 2);

    ui_->CheckBoxLanguageEnglish->setFocus();
}

void TFormZozAvudMain::InitialiseEditor(uint32_t systemLocaleId) {
    state_.ScrollPosition = 0;
    state_.BlinkPhase = false;
    state_.Language.InitLanguage(systemLocaleId);
    NewImageSet();
    ShowImage(1);
    ui_->CheckBoxLanguageEnglish->setFocus();
}

void TFormZozAvudMain::ShowImage(int n) {
    state_.SelectImage(n);
    // Showing a record is no edit: the attribute boxes take its ticks, and its stored
    // Blink and Scroll bytes stay as they are.
    const bool showing = showingRecord_;
    showingRecord_ = true;
    LoadFontFromRecord();
    ShowDefaultMessage();
    ShowRecordTexts();
    RenderImage();
    showingRecord_ = showing;
    UpdateNavigationButtons();
    editing_.NoteShownBoxes();
}

void TFormZozAvudMain::RenderImage() { editing_.Render(); }

void TFormZozAvudMain::ShowRender(const RenderOutcome& outcome) {
    ui_->ImageLCDExpand->setPixmap(QPixmap::fromImage(editing_.Renderer().Preview()));
    fitMarks_->Show(state_.CurrentRecord(), state_.CurrentImage, state_.Language.EffectiveLanguage());

    // The offset control follows the record; its box's handler then finds nothing to do.
    UpDownVericalPositionOffset->SetPosition(
        static_cast<int16_t>(state_.CurrentRecord().VerticalPositionOffset));

    // The attribute boxes follow the render; a box whose tick changes runs its handler.
    ui_->CheckBoxScroll->setVisible(outcome.LineCount == 2);
    ui_->CheckBoxScroll->setEnabled(false);
    ui_->CheckBoxBlink->setChecked(outcome.Blinks);
    ui_->CheckBoxScroll->setChecked(outcome.Scrolls);
    ui_->CheckBoxBlink->setEnabled(!ui_->CheckBoxScroll->isChecked());

    // While the window closes, the picture stays at rest behind the prompt.
    if ((ui_->CheckBoxScroll->isChecked() || ui_->CheckBoxBlink->isChecked()) && !closing_)
        StartAnimation();
    else
        StopAnimation();
}

void TFormZozAvudMain::NewImageSet() {
    if (!documents_->AskSaveChanges()) return;
    ui_->ImageLCDExpand->hide();
    ui_->EditVerticalPositionOffset->hide();
    editing_.ResetSet();
    UpdateUndoActions();
    ui_->ImageLCDExpand->show();
    ui_->EditVerticalPositionOffset->show();
    documents_->SetDocumentFileName(QString());
    ShowImage(1);
}

void TFormZozAvudMain::closeEvent(QCloseEvent* event) {
    closing_ = true;
    StopAnimation();
    // The prompt cancelled, or its Yes with nothing saved, keeps the window and its work.
    if (documents_->AskSaveChanges()) {
        event->accept();
        return;
    }
    event->ignore();
    closing_ = false;
    RenderImage();
}

void TFormZozAvudMain::StepImage(int step) {
    // Unsigned 8-bit arithmetic, clamped, no wrap: Back on image 1 stays on image 1.
    int n = static_cast<uint8_t>(state_.CurrentImage + step);
    if (n > ImageCount) n = ImageCount;
    if (n < 1) n = 1;
    ShowImage(n);
}

void TFormZozAvudMain::UpdateNavigationButtons() {
    // Only the toolbar buttons; the menu items stay enabled.
    const bool first = state_.CurrentImage == 1;
    const bool last = state_.CurrentImage == ImageCount;
    ToolBar1->widgetForAction(Action(ActionId::EditImageFirst))->setEnabled(!first);
    ToolBar1->widgetForAction(Action(ActionId::EditImagePrev))->setEnabled(!first);
    ToolBar1->widgetForAction(Action(ActionId::EditImageNext))->setEnabled(!last);
    ToolBar1->widgetForAction(Action(ActionId::EditImageLast))->setEnabled(!last);
}

}  // namespace zozavud
