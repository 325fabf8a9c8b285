#include <QComboBox>
#include <QFontDatabase>
#include <QListWidget>
#include <cstring>

#include "FontChooserDialog.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

TEST(FontChooser, FamiliesAreListedOnceWithoutTheirFoundry) {
    EXPECT_EQ(
        FontFamiliesOnce({"Nimbus Sans [urw]", "DejaVu Sans", "Nimbus Sans [UKWN]", "arial", "DejaVu Sans"}),
        (QStringList{"arial", "DejaVu Sans", "Nimbus Sans"}));
    const QStringList system = FontFamiliesOnce(QFontDatabase::families());
    EXPECT_EQ(system.size(), QSet<QString>(system.begin(), system.end()).size());
    for (const QString& family : system) EXPECT_FALSE(family.contains('[')) << family.toStdString();
}

TEST(FontChooser, ControlsGiveBackTheFontTheyOpenedWithAndFollowEachChange) {
    FontSpec current;
    current.Name = "DejaVu Sans";
    current.Charset = 204;
    current.Height = -16;
    current.Style = FontStyleBold | FontStyleUnderline;
    current.Color = 0x0000FF;
    QList<FontSpec> previews;
    TDlgFontChooser dialog(current, 96, [&](const FontSpec& font) {
        previews << font;
        return QImage(256, 50, QImage::Format_RGB32);
    });
    EXPECT_EQ(dialog.SelectedFont(), current);
    ASSERT_FALSE(previews.isEmpty());
    EXPECT_EQ(previews.last(), current);
    EXPECT_FALSE(dialog.ImagePreview->pixmap().isNull());

    struct Change {
        const char* Name;
        std::function<void()> Apply;
        std::function<void(FontSpec&)> Expect;
    };
    const Change changes[] = {
        {"style bold italic", [&] { dialog.ListStyle->setCurrentRow(3); },
         [](FontSpec& f) { f.Style = FontStyleBold | FontStyleItalic | FontStyleUnderline; }},
        {"style regular", [&] { dialog.ListStyle->setCurrentRow(0); },
         [](FontSpec& f) { f.Style = FontStyleUnderline; }},
        {"18 points", [&] { dialog.ComboSize->setCurrentText("18"); }, [](FontSpec& f) { f.Height = -24; }},
        {"latin script", [&] { dialog.ComboScript->setCurrentIndex(dialog.ComboScript->findText("Latin")); },
         [](FontSpec& f) { f.Charset = 0; }},
        {"any script keeps the opening charset", [&] { dialog.ComboScript->setCurrentIndex(0); },
         [](FontSpec& f) { f.Charset = 204; }},
        {"another family",
         [&] { dialog.ListFamily->setCurrentRow(dialog.ListFamily->currentRow() == 0 ? 1 : 0); },
         [&](FontSpec& f) { f.Name = dialog.ListFamily->currentItem()->text(); }},
    };
    FontSpec expected = current;
    for (const Change& change : changes) {
        const qsizetype before = previews.size();
        change.Apply();
        change.Expect(expected);
        EXPECT_EQ(dialog.SelectedFont(), expected) << change.Name;
        EXPECT_GT(previews.size(), before) << change.Name << ": the sample did not follow";
        EXPECT_EQ(previews.last(), expected) << change.Name;
    }
    const QStringList listed = [&] {
        QStringList names;
        for (int i = 0; i < dialog.ListFamily->count(); ++i) names << dialog.ListFamily->item(i)->text();
        return names;
    }();
    EXPECT_EQ(listed.size(), QSet<QString>(listed.begin(), listed.end()).size());
}

TEST_F(Window, FontSampleDrawsTheCurrentImageAndLeavesTheRecord) {
    window->ShowImage(2);
    const ImageRecord before = current();
    FontSpec large = FontSpecFromRecord(current());
    large.Height = -22;
    const QImage sample = window->FontPreview(large);
    EXPECT_EQ(sample.size(), Find<QLabel>("ImageLCDExpand")->pixmap().size());
    EXPECT_NE(sample, window->FontPreview(FontSpecFromRecord(current())));
    EXPECT_EQ(std::memcmp(&before, &current(), sizeof before), 0);
}

}  // namespace
}  // namespace zozavud
