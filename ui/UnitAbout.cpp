#include "UnitAbout.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>

#include "FontSubstitution.h"
#include "SystemColors.h"
#include "SystemLocale.h"
#include "getver.h"
#include "ui_UnitAbout.h"

// Resources of a static library have to be pulled in by name, outside any namespace.
static void InitIconResources() { Q_INIT_RESOURCE(zozavud_icons); }

namespace zozavud {

namespace {

constexpr int32_t CaptionTextColor = static_cast<int32_t>(0xFF000009);  // system colour 9

QColor FromColorRef(int32_t colorRef) {
    const auto value = static_cast<uint32_t>(colorRef);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void SetPixelFont(QWidget* widget, int pixels) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

}  // namespace

QIcon MainIcon() {
    InitIconResources();
    QIcon icon;
    for (int size : {48, 32, 16})
        icon.addFile(QStringLiteral(":/icons/zozavud-%1.png").arg(size), QSize(size, size));
    return icon;
}

TDlgAbout::TDlgAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), ui_(std::make_unique<Ui::TDlgAbout>()) {
    InstallFontSubstitutions();
    ui_->setupUi(this);
    setFixedSize(316, 315);
    ApplyDesignFonts();
    ui_->ImageIcon->setPixmap(MainIcon().pixmap(32, 32));

    const QColor fill = FromColorRef(ResolveFontColor(CaptionTextColor));
    for (QLabel* label : {ui_->LabelCampanyName, ui_->LabelProgramName, ui_->LabelFileVersion,
                          ui_->LabelFileDate, ui_->LabelLocale}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, fill);
        label->setPalette(palette);
    }
    connect(ui_->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    systemLocaleId_ = SystemDefaultLocaleId();
    FormCreate();
}

TDlgAbout::~TDlgAbout() = default;

void TDlgAbout::FormCreate() { versionInfo_ = new TGetVersionInfoFromFile(this); }

// The .ui format stores point sizes only; the dialog is designed in pixels.
void TDlgAbout::ApplyDesignFonts() {
    SetPixelFont(this, 12);
    for (QLabel* label : findChildren<QLabel*>()) SetPixelFont(label, 12);
    SetPixelFont(ui_->OKBtn, 12);
    SetPixelFont(ui_->LabelTitleProgramName, 13);
}

void TDlgAbout::showEvent(QShowEvent* event) {
    FormShow();
    CenterOnScreen();
    QDialog::showEvent(event);
}

void TDlgAbout::FormShow() {
    ui_->LabelTitleProgramName->setText(applicationTitle_.isEmpty() ? QApplication::applicationDisplayName()
                                                                    : applicationTitle_);
    const QString executable = QCoreApplication::applicationFilePath();
    versionInfo_->setFileName(executable);
    ui_->LabelCampanyName->setText(versionInfo_->GetVersionValue(QStringLiteral("CompanyName")));
    ui_->LabelProgramName->setText(versionInfo_->GetVersionValue(QStringLiteral("FileDescription")));
    ui_->LabelFileVersion->setText(versionInfo_->GetVersionValue(QStringLiteral("FileVersion")));
    const QDateTime modified = QFileInfo(executable).lastModified();
    ui_->LabelFileDate->setText(
        modified.isValid() ? QLocale::system().toString(modified.toLocalTime().date(), QLocale::ShortFormat)
                           : QString());
    ui_->LabelLocale->setText(QString::number(systemLocaleId_));
}

void TDlgAbout::CenterOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace zozavud
