// Fonts and decorative pictures of the main window.

#include <QPixmap>

#include "UnitAbout.h"
#include "UnitZozAvudMain.h"
#include "ui_UnitZozAvudMain.h"

static void InitImageResources() { Q_INIT_RESOURCE(images); }

namespace zozavud {

namespace {

QFont ArialFont(int pixels, bool bold) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

void TFormZozAvudMain::ApplyDesignFonts() {
    setFont(ArialFont(12, false));
    ui_->LabelImageNo->setFont(ArialFont(19, true));
    ui_->LabelImageNo->setStyleSheet("color: white; background: transparent;");
    for (QLabel* title : {ui_->LabelTitleDefaultMessage, ui_->LabelTitleInputText}) {
        title->setFont(ArialFont(16, true));
        title->setStyleSheet("background: transparent;");
    }
    // The font name field starts in the display font face.
    QFont face = ui_->StaticTextFontName->font();
    face.setFamily(QString::fromLatin1(state_.Language.MessageFontName));
    ui_->StaticTextFontName->setFont(face);
}

void TFormZozAvudMain::ApplyDecorations() {
    InitImageResources();
    ui_->ImageImageNo->setPixmap(QPixmap(":/images/back-imageno.png"));
    ui_->ImageTitleDefaultMessage->setPixmap(QPixmap(":/images/back-title.png"));
    ui_->ImageTitleInputText->setPixmap(QPixmap(":/images/back-title.png"));
    ui_->ImageImagePreviewBavel->setPixmap(QPixmap(":/images/back-bezel.png"));
    setWindowIcon(MainIcon());
}

}  // namespace zozavud
