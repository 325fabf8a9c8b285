// The About dialog on the offscreen platform. This program links the editor's version
// block, so the dialog reads it from the test's own executable.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include "UnitAbout.h"
#include "getver.h"

namespace zozavud {
namespace {

QString LabelText(const TDlgAbout& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

void ShowAndClose(TDlgAbout& dialog) {
    dialog.show();
    QApplication::processEvents();
    dialog.findChild<QPushButton*>("OKBtn")->click();
}

TEST(AboutDialog, DesignBeforeFirstShow) {
    TDlgAbout dialog;
    EXPECT_EQ(dialog.windowTitle(), "About ZOZAVUD");
    EXPECT_EQ(dialog.size(), QSize(316, 315));
    EXPECT_EQ(LabelText(dialog, "LabelTitleProgramName"), "ZOZ AVUD");
    EXPECT_EQ(LabelText(dialog, "LabelCaptionFileDescroption"), "File Description:");
    EXPECT_EQ(dialog.font().pixelSize(), 12);
    const auto* ok = dialog.findChild<QPushButton*>("OKBtn");
    ASSERT_TRUE(ok);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), QRect(119, 282, 75, 25));
    EXPECT_EQ(dialog.findChild<QWidget*>("Bevel1")->geometry(), QRect(8, 8, 297, 268));
    const auto* icon = dialog.findChild<QLabel*>("ImageIcon");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->geometry(), QRect(16, 16, 33, 33));
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(MainIcon().availableSizes(), QList<QSize>({QSize(48, 48), QSize(32, 32), QSize(16, 16)}));
}

TEST(AboutDialog, LabelsKeepTheirPlacesAndFonts) {
    const struct {
        const char* Name;
        QPoint Position;
        int Width;
        QString Family;
        int Pixels;
    } cases[] = {
        {"LabelTitleProgramName", {56, 32}, 0, "MS UI Gothic", 13},
        {"LabelCaptionCompanyName", {16, 56}, 0, "Arial", 12},
        {"LabelCampanyName", {16, 72}, 281, "Arial", 12},
        {"LabelProgramName", {16, 112}, 281, "Arial", 12},
        {"LabelFileVersion", {16, 152}, 281, "Arial", 12},
        {"LabelCaptionFileDate", {16, 176}, 0, "Arial", 12},
        {"LabelFileDate", {16, 196}, 281, "Arial", 12},
        {"LabelCaptionLocale", {17, 226}, 0, "Arial", 12},
        {"LabelLocale", {17, 247}, 280, "Arial", 12},
    };
    TDlgAbout dialog;
    for (const auto& c : cases) {
        const auto* label = dialog.findChild<QLabel*>(c.Name);
        ASSERT_TRUE(label) << c.Name;
        EXPECT_EQ(label->pos(), c.Position) << c.Name;
        if (c.Width) {
            EXPECT_EQ(label->size(), QSize(c.Width, 16)) << c.Name;
            EXPECT_TRUE(label->autoFillBackground()) << c.Name;
            EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white)) << c.Name;
            EXPECT_TRUE(label->alignment() & Qt::AlignVCenter) << c.Name;
        }
        EXPECT_EQ(label->font().family(), c.Family) << c.Name;
        EXPECT_EQ(label->font().pixelSize(), c.Pixels) << c.Name;
    }
    EXPECT_TRUE(dialog.findChild<QLabel*>("LabelTitleProgramName")->font().bold());
}

TEST(AboutDialog, ShowFillsTheValues) {
    QApplication::setApplicationDisplayName("ORVANEX QD-N800 Series LCD Editor");
    TDlgAbout dialog;
    dialog.SetSystemLocaleId(0x0411);
    ShowAndClose(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(LabelText(dialog, "LabelTitleProgramName"), "ORVANEX QD-N800 Series LCD Editor");
    EXPECT_EQ(LabelText(dialog, "LabelCampanyName"), "ORVANEX");
    EXPECT_EQ(LabelText(dialog, "LabelProgramName"), "ORVANEX QD-N800 Series LCD Editor");
    EXPECT_EQ(LabelText(dialog, "LabelFileVersion"), ZOZAVUD_EXPECTED_FILE_VERSION);
    const QDate date = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
    EXPECT_EQ(LabelText(dialog, "LabelFileDate"), QLocale::system().toString(date, QLocale::ShortFormat));
    EXPECT_EQ(LabelText(dialog, "LabelLocale"), "1041");
}

TEST(AboutDialog, EachShowReadsAnew) {
    TDlgAbout dialog;
    dialog.SetApplicationTitle("Given Title");
    dialog.SetSystemLocaleId(0x0411);
    ShowAndClose(dialog);
    dialog.SetSystemLocaleId(0x0409);
    ShowAndClose(dialog);
    EXPECT_EQ(LabelText(dialog, "LabelTitleProgramName"), "Given Title");
    EXPECT_EQ(LabelText(dialog, "LabelLocale"), "1033");
    EXPECT_EQ(dialog.VersionInfo()->VersionCategories().size(), 9);
    EXPECT_EQ(dialog.VersionInfo()->VersionCategories().count("FileVersion"), 1);
}

}  // namespace
}  // namespace zozavud
