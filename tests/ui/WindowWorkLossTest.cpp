// Work the window must not lose: the save prompt cancelled, texts under a new charset and
// their undo, and documents that are only opened and looked at.
#include <QApplication>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>

#include "DocumentIo.h"
#include "ShortString.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

// The real prompt, left with Escape, before New, Open and close: none may go on.
TEST(WindowSavePrompt, EscapeKeepsTheWindowAndTheDocument) {
    TFormZozAvudMain window;
    window.InitialiseEditor(0x0409);
    window.show();
    QTemporaryDir dir;
    const QString other = dir.filePath("other.lcd");
    ASSERT_TRUE(SaveImageSetFile(other, *window.State().Set));
    window.findChild<QLineEdit*>("EditText1")->setText("kept");
    window.State().Modified = true;
    const auto before = std::make_unique<ImageSet>(*window.State().Set);
    const std::pair<const char*, std::function<void()>> asking[] = {
        {"New", [&] { window.findChild<QAction*>("ActionFileNew")->trigger(); }},
        {"Open", [&] { window.OpenDocumentFile(other); }},
        {"close", [&] { EXPECT_FALSE(window.close()); }},
    };
    for (const auto& [name, ask] : asking) {
        SCOPED_TRACE(name);
        QString asked;
        QTimer::singleShot(0, [&asked] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            asked = box->text();
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
        });
        ask();
        EXPECT_EQ(asked, "Save Changes ?");
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.State().Modified);
        EXPECT_TRUE(window.State().FileName.isEmpty());
        EXPECT_EQ(std::memcmp(before.get(), window.State().Set.get(), sizeof(ImageSet)), 0);
    }
    window.State().Modified = false;
}

FontSpec Font(const char* name, uint8_t charset) {
    FontSpec font;
    font.Name = name;
    font.Charset = charset;
    font.Height = -16;
    return font;
}

// Text a box shows goes into the new code page as shown, not as its old bytes read anew;
// the amber mark names what is still lost, and undo and redo give back what was typed.
TEST_F(Window, ANewCharsetStoresTheTextAsShownAndUndoGivesBackWhatWasTyped) {
    const struct Case {
        const char* Name;
        uint8_t FromCharset;
        QString Typed;
        FontSpec Font;
        bool AllImages;
        QByteArray Before, After;  // stored in the old and in the new code page
        QString Lost;              // named by the amber mark afterwards
    } cases[] = {
        {"Japanese typed under Western", 0, QString::fromUtf8("日本語 Café"), Font("IPAGothic", 128), false,
         "??? Caf\xE9", "\x93\xFA\x96\x7B\x8C\xEA Cafe", QString::fromUtf8("é")},
        {"Japanese back to Western", 128, QString::fromUtf8("日本 Café"), Font("Tahoma", 0), false,
         "\x93\xFA\x96\x7B Cafe", "?? Caf\xE9", QString::fromUtf8("日本")},
        {"Greek for all images", 0, QString::fromUtf8("Ωμέγα"), Font("DejaVu Sans", 161), true, "O\xB5??a",
         "\xD9\xEC\xDD\xE3\xE1", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Find<QAction>("ActionFileNew")->trigger();
        StoreFontSpec(state().Set->Record(3), Font("Tahoma", 0));
        StoreShortString(state().Set->Record(3).Text1, "Caf\xE9");
        StoreFontSpec(state().Set->Record(1), Font("Tahoma", c.FromCharset));
        window->ShowImage(1);
        QLineEdit* box = Find<QLineEdit>("EditText1");
        box->setFocus();
        QInputMethodEvent typing;
        typing.setCommitString(c.Typed);
        QApplication::sendEvent(box, &typing);
        ASSERT_EQ(ShortStringBytes(current().Text1), c.Before);

        const QImage sample = QPixmap::fromImage(window->FontPreview(c.Font)).toImage();
        services->FontAnswers = {c.Font};
        Find<QAction>(c.AllImages ? "ActionEditFontChangeAll" : "ActionTextSelectFont")->trigger();
        EXPECT_EQ(box->text(), c.Typed);
        EXPECT_EQ(ShortStringBytes(current().Text1), c.After);
        EXPECT_EQ(Find<QLabel>("ImageLCDExpand")->pixmap().toImage(), sample);
        EXPECT_EQ(box->toolTip().contains(" store " + c.Lost + ":"), !c.Lost.isEmpty())
            << box->toolTip().toStdString();
        EXPECT_EQ(ShortStringBytes(state().Set->Record(3).Text1), c.AllImages ? "Cafe" : "Caf\xE9");

        Find<QAction>("ActionEditUndo")->trigger();
        EXPECT_EQ(box->text(), c.Typed);
        EXPECT_EQ(ShortStringBytes(current().Text1), c.Before);
        Find<QAction>("ActionEditRedo")->trigger();
        EXPECT_EQ(box->text(), c.Typed);
        EXPECT_EQ(ShortStringBytes(current().Text1), c.After);
        Find<QAction>("ActionEditUndo")->trigger();
        Find<QAction>("ActionEditUndo")->trigger();
        Find<QAction>("ActionEditRedo")->trigger();
        EXPECT_EQ(box->text(), c.Typed);
    }
}

// Opening and looking is no edit, whatever byte the file holds; a click still is.
TEST_F(Window, OpeningAnyBlinkOrScrollByteLeavesTheDocumentUnmodified) {
    QTemporaryDir dir;
    const QString path = dir.filePath("attributes.lcd");
    for (const bool blink : {true, false})
        for (const uint8_t byte : {0, 1, 5, 7, 255}) {
            SCOPED_TRACE(std::string(blink ? "Blink " : "Scroll ") + std::to_string(byte));
            Find<QAction>("ActionFileNew")->trigger();
            auto document = std::make_unique<ImageSet>(*state().Set);
            (blink ? document->Record(1).Blink : document->Record(1).Scroll) = byte;
            ASSERT_TRUE(SaveImageSetFile(path, *document));
            // The box shows the other tick from the image before.
            current().Blink = byte == 0 ? 1 : 0;
            window->RenderImage();
            state().Modified = false;

            services->OpenAnswers = {path};
            Find<QAction>("ActionFileOpen")->trigger();
            EXPECT_FALSE(state().Modified);
            if (!blink) continue;
            EXPECT_EQ(current().Blink, byte);
            Find<QCheckBox>("CheckBoxBlink")->click();
            EXPECT_TRUE(state().Modified);
            EXPECT_EQ(current().Blink, byte == 0 ? 1 : 0);
        }
}

}  // namespace
}  // namespace zozavud
