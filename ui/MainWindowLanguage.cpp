// The display language, the default message panel and the hidden Language menu.

#include <QGuiApplication>
#include <QMenu>

#include "FontSubstitution.h"
#include "MessageSlots.h"
#include "UnitZozAvudMain.h"
#include "ui_UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::SetSelectedLanguage(MessageLanguage language) {
    // Unchecking the English box runs its click handling here, with the old language.
    state_.Language.SetSelectedLanguage(language,
                                        [this] { ui_->CheckBoxLanguageEnglish->setChecked(false); });
}

void TFormZozAvudMain::ApplyLanguage() {
    state_.Language.RecomputeMessageFont();
    UpdateLanguageChecks();
    ShowDefaultMessage();
    RenderImage();
}

void TFormZozAvudMain::UpdateLanguageChecks() {
    const int effective = static_cast<int>(state_.Language.EffectiveLanguage());
    for (int tag = 0; tag < LanguageCount; ++tag) ActionLanguage[tag]->setChecked(tag == effective);
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

void TFormZozAvudMain::ActionLanguageEnglishExecute() {
    auto* action = qobject_cast<QAction*>(sender());
    if (!action) return;
    SetSelectedLanguage(static_cast<MessageLanguage>(action->data().toInt()));
    ApplyLanguage();
}

void TFormZozAvudMain::CheckBoxLanguageEnglishClick() {
    state_.Language.EnglishOverride = ui_->CheckBoxLanguageEnglish->isChecked();
    ApplyLanguage();
}

}  // namespace zozavud
