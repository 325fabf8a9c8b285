#include <QImage>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

TEST_F(Window, LoadBitmapSetsModifiedAndABadFileChangesNothing) {
    QTemporaryDir dir;
    QImage picture(129, 25, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    const QString good = dir.filePath("wide.bmp");
    ASSERT_TRUE(picture.save(good, "BMP"));
    QByteArray broken = test::ReadWholeFile(good);
    broken.truncate(100);
    const QString bad = dir.filePath("broken.bmp");
    ASSERT_TRUE(test::WriteWholeFile(bad, broken));

    window->ShowImage(6);
    state().Modified = false;
    Find<QAction>("ActionBitmapLoadBitmapFile")->trigger();  // cancelled
    EXPECT_FALSE(state().Modified);

    const ImageRecord before = current();
    services->BitmapAnswers = {bad};
    Find<QPushButton>("ButtonLoadBitmapFile")->click();
    EXPECT_TRUE(services->Log.last().startsWith("error: ")) << services->Log.last().toStdString();
    EXPECT_TRUE(services->Log.last().contains("broken.bmp"));
    EXPECT_EQ(std::memcmp(&before, &current(), sizeof before), 0);
    EXPECT_FALSE(state().Modified);

    services->BitmapAnswers = {good};
    Find<QPushButton>("ButtonLoadBitmapFile")->click();
    EXPECT_TRUE(state().Modified);
    EXPECT_EQ(current().WideBitmap, 1);
    EXPECT_EQ(current().RenderedData[LayerIndex(0, 0)], 0x000000);
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxScroll")->isChecked());
    EXPECT_TRUE(window->AnimationRunning());

    state().Modified = false;
    Find<QPushButton>("ButtonClearBitmapData")->click();
    EXPECT_TRUE(state().Modified);
    EXPECT_EQ(current().WideBitmap, 0);
    state().Modified = false;
    Find<QPushButton>("ButtonClearBitmapData")->click();  // already empty, still a change by the user
    EXPECT_TRUE(state().Modified);
}

}  // namespace
}  // namespace zozavud
