#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include "MessageSlots.h"
#include "ShortString.h"
#include "UpDownControl.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

TEST_F(Window, TypingSetsModifiedButDeleteAndClearDoNot) {
    EXPECT_FALSE(state().Modified);
    Find<QLineEdit>("EditText1")->setFocus();
    QTest::keyClicks(Find<QLineEdit>("EditText1"), "A");
    EXPECT_EQ(ShortStringBytes(current().Text1), "A");
    EXPECT_TRUE(state().Modified);

    state().Modified = false;
    QTest::keyClick(Find<QLineEdit>("EditText1"), Qt::Key_Home);
    QTest::keyClick(Find<QLineEdit>("EditText1"), Qt::Key_Delete);
    EXPECT_EQ(current().Text1.Length, 0);
    EXPECT_FALSE(state().Modified);

    // Backspace delivers a character even when there is nothing to delete.
    QTest::keyClick(Find<QLineEdit>("EditText1"), Qt::Key_Backspace);
    EXPECT_TRUE(state().Modified);

    state().Modified = false;
    QTest::keyClicks(Find<QLineEdit>("EditText2"), "xy");
    state().Modified = false;
    Find<QPushButton>("ButtonTextClear")->click();
    EXPECT_EQ(current().Text2.Length, 0);
    EXPECT_TRUE(Find<QLineEdit>("EditText2")->text().isEmpty());
    EXPECT_FALSE(state().Modified);
}

// Only a key that hands the box a character marks the document; keys that move the
// focus or the cursor do not, whatever text the platform attaches to them.
TEST_F(Window, KeysThatDeliverNoCharacterLeaveModifiedAlone) {
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char* Text;
        bool Modifies;
    } cases[] = {
        {Qt::Key_Tab, Qt::NoModifier, "\t", false},      {Qt::Key_Backtab, Qt::ShiftModifier, "\t", false},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", false}, {Qt::Key_Tab, Qt::ControlModifier, "\t", false},
        {Qt::Key_Left, Qt::NoModifier, "", false},       {Qt::Key_A, Qt::NoModifier, "a", true},
        {Qt::Key_Return, Qt::NoModifier, "\r", true},
    };
    for (const auto& c : cases)
        for (QLineEdit* box : {Find<QLineEdit>("EditText1"), Find<QLineEdit>("EditText2")}) {
            state().Modified = false;
            QKeyEvent press(QEvent::KeyPress, c.Key, c.Modifiers, QString::fromLatin1(c.Text));
            QApplication::sendEvent(box, &press);
            EXPECT_EQ(state().Modified, c.Modifies) << box->objectName().toStdString() << " key " << std::hex
                                                    << c.Key << " " << c.Modifiers.toInt();
        }
}

TEST_F(Window, TypedTextChangesThePreviewAndLongTextIsCut) {
    const QImage before = Find<QLabel>("ImageLCDExpand")->pixmap().toImage();
    QTest::keyClicks(Find<QLineEdit>("EditText1"), "Hi");
    EXPECT_NE(Find<QLabel>("ImageLCDExpand")->pixmap().toImage(), before);

    Find<QLineEdit>("EditText1")->setText(QString(300, 'w'));
    EXPECT_EQ(current().Text1.Length, 255);
    EXPECT_EQ(Find<QLineEdit>("EditText1")->text().size(), 300);
    window->ShowImage(1);
    EXPECT_EQ(Find<QLineEdit>("EditText1")->text().size(), 255);
}

TEST_F(Window, EditClearResetsTheRecordAndKeepsModified) {
    window->ShowImage(7);
    QTest::keyClicks(Find<QLineEdit>("EditText1"), "abc");
    ASSERT_TRUE(state().Modified);
    Find<QAction>("ActionEditClear")->trigger();
    EXPECT_EQ(current().ImageNo, 7);
    EXPECT_EQ(current().Marker[0], 'A');
    EXPECT_EQ(current().Text1.Length, 0);
    EXPECT_TRUE(Find<QLineEdit>("EditText1")->text().isEmpty());
    EXPECT_TRUE(state().Modified);
    state().Modified = false;
    Find<QAction>("ActionEditClear")->trigger();
    EXPECT_FALSE(state().Modified);
}

TEST_F(Window, OffsetBoxReadsAnyTextAndTheUpDownStopsAtItsLimits) {
    window->ShowImage(2);
    state().Modified = false;
    Find<QLineEdit>("EditVerticalPositionOffset")->setText("7");
    EXPECT_EQ(current().VerticalPositionOffset, 7);
    EXPECT_TRUE(state().Modified);
    state().Modified = false;
    Find<QLineEdit>("EditVerticalPositionOffset")->setText("abc");
    EXPECT_EQ(current().VerticalPositionOffset, 0);
    EXPECT_TRUE(state().Modified);
    state().Modified = false;
    Find<QLineEdit>("EditVerticalPositionOffset")->setText("-");
    EXPECT_EQ(current().VerticalPositionOffset, 0);
    EXPECT_FALSE(state().Modified);

    Find<QLineEdit>("EditVerticalPositionOffset")->setText("23");
    Find<UpDownControl>("UpDownVericalPositionOffset")->StepBy(1);
    Find<UpDownControl>("UpDownVericalPositionOffset")->StepBy(1);
    EXPECT_EQ(current().VerticalPositionOffset, 24);
    Find<QLineEdit>("EditVerticalPositionOffset")->setText("-23");
    for (int i = 0; i < 5; ++i) Find<UpDownControl>("UpDownVericalPositionOffset")->StepBy(-1);
    EXPECT_EQ(current().VerticalPositionOffset, -24);

    Find<QPushButton>("ButtonVerticalPositionOffsetReset")->click();
    EXPECT_EQ(current().VerticalPositionOffset, 1);
    EXPECT_EQ(Find<QLineEdit>("EditVerticalPositionOffset")->text(), "1");
}

TEST_F(Window, FontForOneImageAndForAll) {
    window->ShowImage(12);
    window->State().Set->Record(5).VerticalPositionOffset = 9;
    FontSpec font = FontSpecFromRecord(current());
    font.Name = "Arial";
    font.Height = -16;
    font.Style = FontStyleBold;
    services->FontAnswers.emplace_back(font);
    Find<QAction>("ActionEditFontChangeAll")->trigger();
    EXPECT_EQ(state().CurrentImage, 1);
    for (int n = 1; n <= ImageCount; ++n) {
        const ImageRecord& r = state().Set->Record(n);
        EXPECT_EQ(ShortStringBytes(r.FontName), "Arial") << n;
        EXPECT_EQ(r.FontHeight, -16);
        EXPECT_EQ(r.FontStyle, FontStyleBold);
    }
    EXPECT_EQ(state().Set->Record(5).VerticalPositionOffset, 9);
    EXPECT_EQ(Find<QLabel>("StaticTextPointSize")->text(), "12");
    EXPECT_EQ(Find<QLabel>("StaticTextFontName")->text(), "Arial");
    EXPECT_TRUE(state().Modified);

    state().Modified = false;
    Find<QAction>("ActionTextSelectFont")->trigger();  // cancelled: nothing changes
    EXPECT_FALSE(state().Modified);
    font.Charset = 186;
    services->FontAnswers.emplace_back(font);
    Find<QPushButton>("ButtonSelectFont")->click();
    EXPECT_EQ(current().FontCharset, 186);
    EXPECT_EQ(Find<QLabel>("StaticTextCharSet")->text(), "BALTIC");
    EXPECT_TRUE(state().Modified);
}

TEST_F(Window, ShowingAnImageRefreshesEveryField) {
    ImageRecord& seven = state().Set->Record(7);
    StoreShortString(seven.Text1, "Seven");
    seven.FontHeight = -16;
    window->ShowImage(7);
    EXPECT_EQ(Find<QLabel>("LabelImageNo")->text(), " Image No.7");
    EXPECT_EQ(Find<QLabel>("StaticTextPrinterMessage1")->text(), "Front cover open");
    EXPECT_EQ(Find<QLineEdit>("EditText1")->text(), "Seven");
    EXPECT_EQ(Find<QLabel>("StaticTextPointSize")->text(), "12");
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxScroll")->isVisibleTo(window.get()));
    window->ShowImage(2);
    EXPECT_TRUE(Find<QLabel>("StaticTextPrinterMessage2")->text().isEmpty());
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxScroll")->isVisibleTo(window.get()));
    window->ShowImage(19);
    EXPECT_EQ(Find<QLabel>("LabelImageNo")->text().size(), 12);
}

TEST_F(Window, ShowImageRefreshesFontDefaultMessageTextsRenderThenButtons) {
    StoreShortString(state().Set->Record(19).Text1, "Last");
    state().Set->Record(19).FontHeight = -16;
    window->ShowImage(18);
    QString fontSizeSeen, labelSeen;
    bool nextEnabledSeen = false;
    // When the text box changes (step 3), steps 1 and 2 have run and step 5 has not.
    QObject::connect(Find<QLineEdit>("EditText1"), &QLineEdit::textChanged, window.get(), [&] {
        fontSizeSeen = Find<QLabel>("StaticTextPointSize")->text();
        labelSeen = Find<QLabel>("LabelImageNo")->text();
        nextEnabledSeen = ToolButtonEnabled("ActionEditImageNext");
    });
    window->ShowImage(19);
    EXPECT_EQ(fontSizeSeen, "12");
    EXPECT_EQ(labelSeen, " Image No.19");
    EXPECT_TRUE(nextEnabledSeen);
    EXPECT_FALSE(ToolButtonEnabled("ActionEditImageNext"));
    // The picture shown is the record's own text, rendered after the boxes were filled.
    ImageRecord copy = current();
    LcdRenderer renderer;
    renderer.Render(copy, RenderContext{});
    EXPECT_EQ(Find<QLabel>("ImageLCDExpand")->pixmap().toImage(),
              QPixmap::fromImage(renderer.Preview()).toImage());
}

TEST_F(Window, BlinkTickDifferingFromThePreviousImageIsNoEdit) {
    state().Set->Record(4).Blink = 1;
    window->ShowImage(4);
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxBlink")->isChecked());
    EXPECT_FALSE(state().Modified);
    window->ShowImage(5);
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxBlink")->isChecked());
    EXPECT_FALSE(state().Modified);
    EXPECT_EQ(state().Set->Record(4).Blink, 1);
}

TEST_F(Window, ABlinkingImageThatStartsToScrollLosesBlink) {
    window->ShowImage(6);
    Find<QLineEdit>("EditText1")->setText("Paper");
    current().Blink = 1;
    window->RenderImage();
    ASSERT_TRUE(Find<QCheckBox>("CheckBoxBlink")->isChecked());
    Find<QLineEdit>("EditText2")->setText("A second line far wider than the visible width of the display");
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxScroll")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxBlink")->isEnabled());
    EXPECT_EQ(current().Blink, 0);
    EXPECT_EQ(current().Scroll, 1);
}

}  // namespace
}  // namespace zozavud
