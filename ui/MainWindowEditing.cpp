// Text, font and attribute editing of the current image.

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>

#include "CharsetNames.h"
#include "CodePage.h"
#include "ImageReset.h"
#include "MainWindowServices.h"
#include "ShortString.h"
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
    case Qt::Key_Backtab: return false;
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return true;
    default: break;
    }
    const QString text = key.text();
    return !text.isEmpty() && text != QString(QChar(0x7F));
}

// Rounded as the Windows MulDiv does: half away from zero.
int MulDiv(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return -1;
    return static_cast<int>(std::lround(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c)));
}

}  // namespace

void TFormZozAvudMain::ConnectControls() {
    Ui::TFormZozAvudMain& f = *ui_;
    f.EditText1->setProperty("Tag", 0);
    f.EditText2->setProperty("Tag", 1);
    for (QLineEdit* box : {f.EditText1, f.EditText2}) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { EditText1Change(box); });
        box->installEventFilter(this);
    }
    connect(f.ButtonTextClear, &QPushButton::clicked, this, &TFormZozAvudMain::ButtonTextClearClick);
    connect(f.CheckBoxScroll, &QCheckBox::toggled, this, &TFormZozAvudMain::CheckBoxScrollClick);
    connect(f.CheckBoxBlink, &QCheckBox::toggled, this, &TFormZozAvudMain::CheckBoxBlinkClick);
    connect(f.CheckBoxLanguageEnglish, &QCheckBox::toggled, this,
            &TFormZozAvudMain::CheckBoxLanguageEnglishClick);
    connect(f.EditVerticalPositionOffset, &QLineEdit::textChanged, this,
            &TFormZozAvudMain::EditVerticalPositionOffsetChange);
    connect(f.ButtonVerticalPositionOffsetReset, &QPushButton::clicked, this,
            &TFormZozAvudMain::ButtonVerticalPositionOffsetResetClick);
    connect(f.ButtonSelectFont, &QPushButton::clicked, ActionTextSelectFont, &QAction::trigger);
    connect(f.ButtonLoadBitmapFile, &QPushButton::clicked, ActionBitmapLoadBitmapFile, &QAction::trigger);
    connect(f.ButtonClearBitmapData, &QPushButton::clicked, ActionBitmapClearBitmapData, &QAction::trigger);
}

bool TFormZozAvudMain::eventFilter(QObject* watched, QEvent* event) {
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

void TFormZozAvudMain::EditText1Change(QLineEdit* box) {
    ImageRecord& record = state_.CurrentRecord();
    ShortString& field = box->property("Tag").toInt() == 0 ? record.Text1 : record.Text2;
    StoreShortString(field, EncodeText(box->text(), record.FontCharset));
    RenderImage();
}

void TFormZozAvudMain::EditText1KeyPress() { state_.Modified = true; }

void TFormZozAvudMain::LoadFontFromRecord() {
    FontDialog1 = FontSpecFromRecord(state_.CurrentRecord());
    ShowFontInfo();
}

void TFormZozAvudMain::ShowFontInfo() {
    const int dpi = screen() ? qRound(screen()->logicalDotsPerInchY()) : 96;
    ui_->StaticTextFontName->setText(FontDialog1.Name);
    ui_->StaticTextCharSet->setText(CharsetName(FontDialog1.Charset));
    ui_->StaticTextPointSize->setText(QString::number(-MulDiv(FontDialog1.Height, 72, dpi)));
}

void TFormZozAvudMain::ShowRecordTexts() {
    const ImageRecord& record = state_.CurrentRecord();
    const QString text1 = DecodeText(ShortStringBytes(record.Text1), record.FontCharset);
    const QString text2 = DecodeText(ShortStringBytes(record.Text2), record.FontCharset);
    ui_->EditText1->setText(text1);
    ui_->EditText2->setText(text2);
    ShowFontInfo();
}

void TFormZozAvudMain::ApplyFontToImage() {
    const std::optional<FontSpec> chosen = services_->ChooseFont(FontDialog1);
    if (!chosen) return;
    FontDialog1 = *chosen;
    StoreFontSpec(state_.CurrentRecord(), FontDialog1);
    state_.Modified = true;
    ShowFontInfo();
    RenderImage();
}

void TFormZozAvudMain::ApplyFontToAllImages() {
    const std::optional<FontSpec> chosen = services_->ChooseFont(FontDialog1);
    if (!chosen) return;
    FontDialog1 = *chosen;
    for (int n = 1; n <= ImageCount; ++n) {
        StoreFontSpec(state_.Set->Record(n), FontDialog1);
        state_.Modified = true;
        state_.SelectImage(n);
        RenderImage();
    }
    ShowImage(1);
}

void TFormZozAvudMain::ClearCurrentImage() {
    ResetImageRecord(state_.CurrentRecord(), state_.Language, renderer_);
    LoadFontFromRecord();
    RenderImage();
    ShowRecordTexts();
    RenderImage();
}

void TFormZozAvudMain::ButtonTextClearClick() {
    ui_->EditText1->setText(QString());
    ui_->EditText2->setText(QString());
}

void TFormZozAvudMain::CheckBoxScrollClick() {
    state_.CurrentRecord().Scroll = ui_->CheckBoxScroll->isChecked() ? 1 : 0;
    RenderImage();
}

void TFormZozAvudMain::CheckBoxBlinkClick() {
    state_.CurrentRecord().Blink = ui_->CheckBoxBlink->isChecked() ? 1 : 0;
    RenderImage();
    state_.Modified = true;
}

void TFormZozAvudMain::EditVerticalPositionOffsetChange() {
    // Any text that is not a decimal integer counts as 0; no range is checked.
    bool ok = false;
    int value = ui_->EditVerticalPositionOffset->text().trimmed().toInt(&ok);
    if (!ok) value = 0;
    ImageRecord& record = state_.CurrentRecord();
    if (value == record.VerticalPositionOffset) return;
    record.VerticalPositionOffset = value;
    RenderImage();
    state_.Modified = true;
}

void TFormZozAvudMain::ButtonVerticalPositionOffsetResetClick() {
    const int32_t offset = renderer_.DefaultVerticalOffset(state_.CurrentRecord());
    ui_->EditVerticalPositionOffset->setText(QString::number(offset));
}

void TFormZozAvudMain::ActionTextSelectFontExecute() { ApplyFontToImage(); }

void TFormZozAvudMain::ActionEditFontChangeAllExecute() { ApplyFontToAllImages(); }

void TFormZozAvudMain::ActionEditClearExecute() { ClearCurrentImage(); }

}  // namespace zozavud
