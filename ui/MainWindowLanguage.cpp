// The display language, the default message panel and the hidden Language menu.

#include <QGuiApplication>
#include <QMenu>

#include "FontSubstitution.h"
#include "MessageSlots.h"
#include "UnitZozAvudMain.h"
#include "ui_UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::ShowLanguage() {
    UpdateLanguageChecks();
    ShowDefaultMessage();
}

void TFormZozAvudMain::ShowDefaultMessage() {
    const ImageRecord& record = state_.CurrentRecord();
    ui_->LabelImageNo->setText(QString::asprintf(" Image No.%d", record.ImageNo));

    QFont font = ui_->StaticTextPrinterMessage1->font();
    font.setFamilies(FontFamiliesFor(QString::fromLatin1(state_.Language.MessageFontName),
                                     state_.Language.MessageCharset));
    font.setPixelSize(12);
    ui_->StaticTextPrinterMessage1->setFont(font);
    ui_->StaticTextPrinterMessage2->setFont(font);

    const MessageLanguage language = state_.Language.EffectiveLanguage();
    ui_->StaticTextPrinterMessage1->setText(DefaultText(record.ImageNo, language, 1));
    ui_->StaticTextPrinterMessage2->setText(DefaultText(record.ImageNo, language, 2));
}

// Shared by the seven language actions; the tag is the MessageLanguage.
void TFormZozAvudMain::ActionLanguageEnglishExecute(int tag) {
    // Unchecking the English box runs its click handling there, with the old language.
    editing_.SelectLanguage(static_cast<MessageLanguage>(tag),
                            [this] { ui_->CheckBoxLanguageEnglish->setChecked(false); });
    ShowLanguage();
}

void TFormZozAvudMain::CheckBoxLanguageEnglishClick() {
    editing_.SetEnglishOverride(ui_->CheckBoxLanguageEnglish->isChecked());
    ShowLanguage();
}

}  // namespace zozavud
