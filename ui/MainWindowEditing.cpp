// Text, font and attribute editing of the current image.

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>

#include "CharsetNames.h"
#include "MainWindowServices.h"
#include "RecordTexts.h"
#include "TextCodePageMark.h"
#include "UnitZozAvudMain.h"
#include "UpDownControl.h"
#include "ui_UnitZozAvudMain.h"

namespace zozavud {

namespace {

// A key press delivers a character when it carries text (control characters such as
// Backspace, Enter, Escape and Ctrl+letter included), but not the Delete key, nor Tab
// and Shift+Tab, which only move the focus.
bool DeliversCharacter(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return true;
        default:
            break;
    }
    const QString text = key.text();
    return !text.isEmpty() && text != QString(QChar(0x7F));
}

bool IsHistoryKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
           pressed == QKeySequence(Qt::CTRL | Qt::Key_Y);
}

// Rounded as the Windows MulDiv does: half away from zero.
int MulDiv(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return -1;
    return static_cast<int>(
        std::lround(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c)));
}

}  // namespace

void TFormZozAvudMain::ConnectControls() {
    Ui::TFormZozAvudMain& f = *ui_;
    connect(f.EditText1, &QLineEdit::textChanged, this, [this] { EditText1Change(0); });
    connect(f.EditText2, &QLineEdit::textChanged, this, [this] { EditText1Change(1); });
    for (QLineEdit* box : {f.EditText1, f.EditText2}) box->installEventFilter(this);
    f.EditVerticalPositionOffset->installEventFilter(this);
    connect(f.ButtonTextClear, &QPushButton::clicked, this, &TFormZozAvudMain::ButtonTextClearClick);
    connect(f.CheckBoxScroll, &QCheckBox::toggled, this, &TFormZozAvudMain::CheckBoxScrollClick);
    connect(f.CheckBoxBlink, &QCheckBox::toggled, this, &TFormZozAvudMain::CheckBoxBlinkClick);
    connect(f.CheckBoxLanguageEnglish, &QCheckBox::toggled, this,
            &TFormZozAvudMain::CheckBoxLanguageEnglishClick);
    connect(f.EditVerticalPositionOffset, &QLineEdit::textChanged, this,
            &TFormZozAvudMain::EditVerticalPositionOffsetChange);
    connect(f.ButtonVerticalPositionOffsetReset, &QPushButton::clicked, this,
            &TFormZozAvudMain::ButtonVerticalPositionOffsetResetClick);
    connect(f.ButtonSelectFont, &QPushButton::clicked, Action(ActionId::TextSelectFont), &QAction::trigger);
    connect(f.ButtonLoadBitmapFile, &QPushButton::clicked, Action(ActionId::BitmapLoadBitmapFile),
            &QAction::trigger);
    connect(f.ButtonClearBitmapData, &QPushButton::clicked, Action(ActionId::BitmapClearBitmapData),
            &QAction::trigger);
}

bool TFormZozAvudMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->EditText1 || watched == ui_->EditText2 ||
        watched == ui_->EditVerticalPositionOffset) {
        if (ForwardDrag(watched, event)) return true;
        // Leaving a box ends its run of typing.
        if (event->type() == QEvent::FocusOut) editing_.History().Seal();
        // Undo and redo are the document's, not the box's own: left unclaimed, the keys
        // reach the window's actions.
        if (event->type() == QEvent::ShortcutOverride && IsHistoryKey(*static_cast<QKeyEvent*>(event)))
            return true;
        // With nothing to undo the keys do nothing: the box's own history never runs.
        if (event->type() == QEvent::KeyPress && IsHistoryKey(*static_cast<QKeyEvent*>(event))) return true;
    }
    if (watched == ui_->EditText1 || watched == ui_->EditText2) {
        if (event->type() == QEvent::KeyPress && DeliversCharacter(*static_cast<QKeyEvent*>(event)))
            EditText1KeyPress();
        // Text committed by an input method arrives without a key press of its own.
        if (event->type() == QEvent::InputMethod &&
            !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty())
            EditText1KeyPress();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Shared by the two text boxes: tag 0 is line 1, tag 1 line 2.
void TFormZozAvudMain::EditText1Change(int tag) {
    QLineEdit* box = tag == 0 ? ui_->EditText1 : ui_->EditText2;
    // Filling the boxes from the record is no edit; typing merges into one step per box.
    if (fillingTexts_)
        editing_.WithoutStep([this, box, tag] { editing_.SetText(tag + 1, box->text()); });
    else
        editing_.SetText(tag + 1, box->text());
    MarkUnstorableText(*box, state_.CurrentRecord().FontCharset);
    editing_.NoteShownBoxes();
}

// Shared by the two text boxes.
void TFormZozAvudMain::EditText1KeyPress() { state_.Modified = true; }

RecordTexts TFormZozAvudMain::TypedTexts() const { return {ui_->EditText1->text(), ui_->EditText2->text()}; }

void TFormZozAvudMain::ShowTypedTexts(const ShownBoxes& typed) {
    if (typed.Image != state_.CurrentImage) return;
    const RecordTexts texts = TypedTextsStoredIn(typed.Texts, state_.CurrentRecord());
    const bool filling = fillingTexts_;
    fillingTexts_ = true;
    ui_->EditText1->setText(texts.Text1);
    ui_->EditText2->setText(texts.Text2);
    fillingTexts_ = filling;
}

void TFormZozAvudMain::LoadFontFromRecord() {
    FontDialog1 = FontSpecFromRecord(state_.CurrentRecord());
    ShowFontInfo();
}

void TFormZozAvudMain::ShowFontInfo() {
    const int dpi = screen() ? qRound(screen()->logicalDotsPerInchY()) : 96;
    ui_->StaticTextFontName->setText(FontDialog1.Name);
    ui_->StaticTextCharSet->setText(CharsetName(FontDialog1.Charset));
    ui_->StaticTextPointSize->setText(QString::number(-MulDiv(FontDialog1.Height, 72, dpi)));
    MarkTextBoxes();
}

void TFormZozAvudMain::MarkTextBoxes() {
    const uint8_t charset = state_.CurrentRecord().FontCharset;
    MarkUnstorableText(*ui_->EditText1, charset);
    MarkUnstorableText(*ui_->EditText2, charset);
}

void TFormZozAvudMain::ShowRecordTexts() {
    const RecordTexts texts = ShownTexts(state_.CurrentRecord());
    const bool filling = fillingTexts_;
    fillingTexts_ = true;
    ui_->EditText1->setText(texts.Text1);
    ui_->EditText2->setText(texts.Text2);
    fillingTexts_ = filling;
    ShowFontInfo();
}

void TFormZozAvudMain::ApplyFontToImage() {
    const std::optional<FontSpec> chosen = services_->ChooseFont(FontDialog1);
    if (!chosen) return;
    FontDialog1 = *chosen;
    editing_.ApplyFont(FontDialog1, TypedTexts());
    ShowFontInfo();
}

void TFormZozAvudMain::ApplyFontToAllImages() {
    const std::optional<FontSpec> chosen = services_->ChooseFont(FontDialog1);
    if (!chosen) return;
    // One step: the font in every image, then image 1 shown with the texts as typed.
    editing_.Step(ImageEditing::AllImages(), [this, &chosen] {
        FontDialog1 = *chosen;
        const ShownBoxes typed = Boxes();
        editing_.ApplyFontToAll(FontDialog1, typed);
        ShowImage(1);
        ShowTypedTexts(typed);
    });
}

void TFormZozAvudMain::ClearCurrentImage() {
    editing_.Step({state_.CurrentImage}, [this] {
        editing_.ClearImage();
        LoadFontFromRecord();
        ShowRecordTexts();
        RenderImage();
    });
}

void TFormZozAvudMain::ButtonTextClearClick() {
    editing_.Step({state_.CurrentImage}, [this] {
        ui_->EditText1->setText(QString());
        ui_->EditText2->setText(QString());
    });
}

// The boxes' handlers run for every change of their tick; a tick that follows a record
// being shown changes neither the record nor Modified.
void TFormZozAvudMain::CheckBoxScrollClick() {
    if (showingRecord_) return;
    editing_.SetScroll(ui_->CheckBoxScroll->isChecked());
}

void TFormZozAvudMain::CheckBoxBlinkClick() {
    if (showingRecord_) return;
    editing_.SetBlink(ui_->CheckBoxBlink->isChecked());
}

void TFormZozAvudMain::EditVerticalPositionOffsetChange() {
    // Any text that is not a decimal integer counts as 0; no range is checked.
    bool ok = false;
    int value = ui_->EditVerticalPositionOffset->text().trimmed().toInt(&ok);
    if (!ok) value = 0;
    editing_.SetOffset(value);
}

void TFormZozAvudMain::ButtonVerticalPositionOffsetResetClick() {
    // Through the box, as if typed: its handler makes the change.
    const int32_t offset = editing_.DefaultOffset();
    editing_.Step({state_.CurrentImage},
                  [this, offset] { ui_->EditVerticalPositionOffset->setText(QString::number(offset)); });
}

void TFormZozAvudMain::ActionTextSelectFontExecute() { ApplyFontToImage(); }

void TFormZozAvudMain::ActionEditFontChangeAllExecute() { ApplyFontToAllImages(); }

void TFormZozAvudMain::ActionEditClearExecute() { ClearCurrentImage(); }

}  // namespace zozavud
