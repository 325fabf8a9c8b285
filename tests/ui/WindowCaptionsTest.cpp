#include <gmock/gmock.h>

#include <QAbstractButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>

#include "ElidingLabel.h"
#include "FitChecker.h"
#include "FontChooserDialog.h"
#include "TextCodePageMark.h"
#include "UnitAbout.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

// The room a control gives its text, as its style lays it out.
int TextRoom(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        int indent = label->indent();
        if (indent < 0)
            indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance('x') / 2 : 0;
        return label->contentsRect().width() - 2 * label->margin() - indent;
    }
    const auto& button = static_cast<const QAbstractButton&>(widget);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    const bool check = qobject_cast<const QCheckBox*>(&button);
    return button.style()
        ->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option,
                         &button)
        .width();
}

QString ShownText(const QWidget& widget) {
    if (const auto* field = qobject_cast<const ElidingLabel*>(&widget)) return field->ShownText();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    QString text = static_cast<const QAbstractButton&>(widget).text();
    return text.remove(QLatin1Char('&'));
}

// Every caption and field of a window, at its designed size in the fonts we install.
void ExpectTextsWhole(const QWidget& window) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!qobject_cast<const QLabel*>(widget) && !qobject_cast<const QAbstractButton*>(widget)) continue;
        if (qobject_cast<const QToolButton*>(widget)) continue;  // the toolbar shows glyphs only
        const QString text = ShownText(*widget);
        if (text.isEmpty() || widget->isHidden()) continue;
        const int needed = widget->fontMetrics().horizontalAdvance(text);
        EXPECT_LE(needed, TextRoom(*widget))
            << widget->objectName().toStdString() << " cuts \"" << text.toStdString() << "\"";
    }
}

using test::Window;

class WindowTexts : public Window {
protected:
    void ChooseFont(const QString& name, uint8_t charset) {
        FontSpec font;
        font.Name = name;
        font.Charset = charset;
        services->FontAnswers.push_back(font);
        Find<QAction>("ActionTextSelectFont")->trigger();
    }
    ElidingLabel& FontField() { return *Find<ElidingLabel>("StaticTextFontName"); }
};

TEST_F(WindowTexts, CaptionsAndFieldsShowTheirTextWholeOrCutWithTheWholeAsTooltip) {
    // The longest face and charset names of the fonts we install, in the fixed-width fields.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ChooseFont("Liberation Sans", 238);
    ExpectTextsWhole(*window);
    EXPECT_EQ(FontField().ShownToolTip().toStdString(), "Liberation Sans");
    EXPECT_EQ(Find<ElidingLabel>("StaticTextCharSet")->ShownToolTip(), "EASTEUROPE");
    ChooseFont("Tahoma", 0);
    EXPECT_EQ(FontField().ShownToolTip(), "");
    // Every default message, in every language, in its two fields.
    for (QAction* language : Find<QMenu>("MenuLanguage")->actions()) {
        language->trigger();
        for (int n = 1; n <= ImageCount; ++n) {
            window->ShowImage(n);
            ExpectTextsWhole(*Find<QGroupBox>("GroupBoxDefaultMessage"));
        }
    }
    TDlgFontChooser font(FontSpec{}, 96,
                         [](const FontSpec&) { return QImage(256, 50, QImage::Format_RGB32); });
    TDlgAbout about(window.get());
    about.SetApplicationTitle(ApplicationTitle);
    for (QDialog* dialog : {static_cast<QDialog*>(&font), static_cast<QDialog*>(&about)}) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        ExpectTextsWhole(*dialog);
    }
}

TEST_F(WindowTexts, SubstitutedFaceAndLostTextAreMarkedAsTheUserWorks) {
    ChooseFont("No Such Face Here", 0);
    FontSpec missing;
    missing.Name = "No Such Face Here";
    EXPECT_EQ(FontField().toolTip(), FontSubstitutionProblem(missing));
    EXPECT_EQ(FontField().palette().color(QPalette::Window).rgb(), WarningBase);
    ChooseFont("Tahoma", 0);
    EXPECT_NE(FontField().palette().color(QPalette::Window).rgb(), WarningBase);

    QWidget& preview = *Find<QLabel>("ImageLCDExpand");
    EXPECT_EQ(preview.toolTip(), "");
    QLineEdit& line1 = *Find<QLineEdit>("EditText1");
    line1.setFocus();
    QTest::keyClicks(&line1, QString(255, QLatin1Char('w')));
    EXPECT_THAT(preview.toolTip().toStdString(), ::testing::HasSubstr("text line 1 is 255 bytes long"));
    line1.selectAll();
    QTest::keyClick(&line1, Qt::Key_Backspace);
    EXPECT_EQ(preview.toolTip().toStdString(), "");
}

}  // namespace
}  // namespace zozavud
