// Text, font and attribute editing of the current image.

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>

#include "CharsetNames.h"
#include "CodePage.h"
#include "EditHistory.h"
#include "ImageReset.h"
#include "MainWindowServices.h"
#include "RecordTexts.h"
#include "ShortString.h"
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

// Typing in one box merges into one step; each box has its own key.
constexpr int MergeKeyText1 = 1;  // and MergeKeyText1 + 1 for line 2
constexpr int MergeKeyOffset = 3;

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
        if (event->type() == QEvent::FocusOut) history_->Seal();
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
    auto store = [this, box, tag] {
        ImageRecord& record = state_.CurrentRecord();
        ShortString& field = tag == 0 ? record.Text1 : record.Text2;
        StoreShortString(field, EncodeTextKeeping(box->text(), ShortStringBytes(field), record.FontCharset));
        RenderImage();
    };
    // Filling the boxes from the record is no edit; typing merges into one step per box.
    if (fillingTexts_)
        store();
    else
        RecordStep({state_.CurrentImage}, store, MergeKeyText1 + tag);
    MarkUnstorableText(*box, state_.CurrentRecord().FontCharset);
    shownBoxes_ = Boxes();
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
    const ImageRecord& record = state_.CurrentRecord();
    const QString text1 = DecodeText(ShortStringBytes(record.Text1), record.FontCharset);
    const QString text2 = DecodeText(ShortStringBytes(record.Text2), record.FontCharset);
    const bool filling = fillingTexts_;
    fillingTexts_ = true;
    ui_->EditText1->setText(text1);
    ui_->EditText2->setText(text2);
    fillingTexts_ = filling;
    ShowFontInfo();
}

void TFormZozAvudMain::ApplyFontToImage() {
    const std::optional<FontSpec> chosen = services_->ChooseFont(FontDialog1);
    if (!chosen) return;
    RecordStep({state_.CurrentImage}, [this, &chosen] {
        FontDialog1 = *chosen;
        StoreChosenFont(state_.CurrentRecord(), FontDialog1, TypedTexts());
        state_.Modified = true;
        ShowFontInfo();
        RenderImage();
    });
}

void TFormZozAvudMain::ApplyFontToAllImages() {
    const std::optional<FontSpec> chosen = services_->ChooseFont(FontDialog1);
    if (!chosen) return;
    std::vector<int> all(ImageCount);
    for (int n = 1; n <= ImageCount; ++n) all[n - 1] = n;
    RecordStep(std::move(all), [this, &chosen] {
        FontDialog1 = *chosen;
        // The shown image's texts as typed; the others' as their boxes would show them.
        const ShownBoxes typed = Boxes();
        for (int n = 1; n <= ImageCount; ++n) {
            ImageRecord& record = state_.Set->Record(n);
            StoreChosenFont(record, FontDialog1, n == typed.Image ? typed.Texts : ShownTexts(record));
            state_.Modified = true;
            state_.SelectImage(n);
            RenderImage();
        }
        ShowImage(1);
        ShowTypedTexts(typed);
    });
}

void TFormZozAvudMain::ClearCurrentImage() {
    RecordStep({state_.CurrentImage}, [this] {
        ResetImageRecord(state_.CurrentRecord(), state_.Language, renderer_);
        LoadFontFromRecord();
        RenderImage();
        ShowRecordTexts();
        RenderImage();
    });
}

void TFormZozAvudMain::ButtonTextClearClick() {
    RecordStep({state_.CurrentImage}, [this] {
        ui_->EditText1->setText(QString());
        ui_->EditText2->setText(QString());
    });
}

// The boxes' handlers run for every change of their tick; a tick that follows a record
// being shown changes neither the record nor Modified.
void TFormZozAvudMain::CheckBoxScrollClick() {
    if (showingRecord_) return;
    state_.CurrentRecord().Scroll = ui_->CheckBoxScroll->isChecked() ? 1 : 0;
    RenderImage();
}

void TFormZozAvudMain::CheckBoxBlinkClick() {
    if (showingRecord_) return;
    state_.CurrentRecord().Blink = ui_->CheckBoxBlink->isChecked() ? 1 : 0;
    RenderImage();
    state_.Modified = true;
}

void TFormZozAvudMain::EditVerticalPositionOffsetChange() {
    // Any text that is not a decimal integer counts as 0; no range is checked.
    bool ok = false;
    int value = ui_->EditVerticalPositionOffset->text().trimmed().toInt(&ok);
    if (!ok) value = 0;
    if (value == state_.CurrentRecord().VerticalPositionOffset) return;
    RecordStep(
        {state_.CurrentImage},
        [this, value] {
            state_.CurrentRecord().VerticalPositionOffset = value;
            RenderImage();
            state_.Modified = true;
        },
        MergeKeyOffset);
}

void TFormZozAvudMain::ButtonVerticalPositionOffsetResetClick() {
    const int32_t offset = renderer_.DefaultVerticalOffset(state_.CurrentRecord());
    RecordStep({state_.CurrentImage},
               [this, offset] { ui_->EditVerticalPositionOffset->setText(QString::number(offset)); });
}

void TFormZozAvudMain::ActionTextSelectFontExecute() { ApplyFontToImage(); }

void TFormZozAvudMain::ActionEditFontChangeAllExecute() { ApplyFontToAllImages(); }

void TFormZozAvudMain::ActionEditClearExecute() { ClearCurrentImage(); }

}  // namespace zozavud
