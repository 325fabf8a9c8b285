#include <QApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QImage>
#include <QMimeData>
#include <QSplitter>
#include <QTemporaryDir>
#include <QUrl>

#include "DroppedFiles.h"
#include "EditorStartup.h"
#include "InstanceHandover.h"
#include "ShortString.h"
#include "TextCodePageMark.h"
#include "WindowFixture.h"
#include "WindowPlacement.h"

namespace zozavud {
namespace {

using test::Window;

TEST(WindowPlacement, WindowOutsideTheScreenIsMovedJustEnoughToShowWhole) {
    struct Case {
        const char* Screen;
        QRect Available;
        QSize Frame;
        QPoint Expected;
    };
    const QSize window(730, 470);
    const Case cases[] = {
        {"1920x1080: fits where designed", {0, 0, 1920, 1050}, window, {486, 512}},
        {"1280x1024: fits just", {0, 0, 1280, 982}, window, {486, 512}},
        {"1280x800: pulled up", {0, 0, 1280, 770}, window, {486, 300}},
        {"1024x768: pulled up and left", {0, 0, 1024, 768}, window, {294, 298}},
        {"panel on the left and top", {64, 32, 960, 736}, window, {294, 298}},
        {"800x600: taller than the area", {0, 0, 800, 450}, window, {70, 0}},
        {"640x480: wider and taller", {0, 24, 640, 456}, window, {0, 24}},
        {"second screen on the right", {1920, 0, 1280, 1024}, window, {1920, 512}},
        {"no screen known", QRect(), window, {486, 512}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceWindowOnScreen(DesignedWindowPosition, c.Frame, c.Available), c.Expected) << c.Screen;
}

TEST_F(Window, SplitterNeverPushesControlsOutOfTheirPane) {
    QSplitter& splitter = *Find<QSplitter>("Splitter1");
    for (const QList<int>& sizes : {QList<int>{0, 730}, QList<int>{730, 0}}) {
        splitter.setSizes(sizes);
        for (int i = 0; i < splitter.count(); ++i) {
            const QWidget* pane = splitter.widget(i);
            for (const QGroupBox* box : pane->findChildren<QGroupBox*>())
                EXPECT_LE(box->mapTo(pane, QPoint(box->width(), 0)).x(), pane->width())
                    << box->objectName().toStdString() << " with sizes " << sizes.at(0);
        }
    }
}

TEST_F(Window, AttributeControlsSitBelowTheGroupFrameLine) {
    QGroupBox& box = *Find<QGroupBox>("GroupBoxAttribute");
    const QRect contents = GroupBoxContentsArea(box);
    for (const QWidget* control : box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isHidden()) continue;
        EXPECT_GE(control->y(), contents.top()) << control->objectName().toStdString();
        EXPECT_LT(control->geometry().bottom(), box.height() - 1) << control->objectName().toStdString();
    }
}

TEST(DroppedFiles, DocumentsOpenAnywherePicturesOnlyOnThePreview) {
    struct Case {
        QString Path;
        bool OnPreview;
        DropKind Expected;
    };
    const Case cases[] = {
        {"/d/set.lcd", false, DropKind::Document}, {"/d/SET.LCD", true, DropKind::Document},
        {"/d/logo.bmp", true, DropKind::Bitmap},   {"/d/logo.BMP", false, DropKind::None},
        {"/d/logo.png", true, DropKind::Picture},  {"/d/logo.png", false, DropKind::None},
        {"/d/notes.txt", true, DropKind::None},    {"/d/noext", true, DropKind::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KindOfDroppedFile(c.Path, c.OnPreview), c.Expected)
            << c.Path.toStdString() << " " << c.OnPreview;

    QMimeData one, two, remote;
    one.setUrls({QUrl::fromLocalFile("/d/set.lcd")});
    two.setUrls({QUrl::fromLocalFile("/d/a.lcd"), QUrl::fromLocalFile("/d/b.lcd")});
    remote.setUrls({QUrl("https://example.org/set.lcd")});
    EXPECT_EQ(SingleDroppedFile(&one), QString("/d/set.lcd"));
    EXPECT_FALSE(SingleDroppedFile(&two));
    EXPECT_FALSE(SingleDroppedFile(&remote));
    EXPECT_FALSE(SingleDroppedFile(nullptr));
}

TEST_F(Window, TextBoxIsMarkedWhileItHoldsUnstorableCharacters) {
    const QColor plain = Find<QLineEdit>("EditText1")->palette().color(QPalette::Base);
    Find<QLineEdit>("EditText1")->setText(QString::fromUtf8("Ab\u0416"));
    EXPECT_NE(Find<QLineEdit>("EditText1")->palette().color(QPalette::Base), plain);
    EXPECT_TRUE(Find<QLineEdit>("EditText1")->toolTip().contains(QString::fromUtf8("\u0416")));
    EXPECT_TRUE(Find<QLineEdit>("EditText1")->toolTip().contains("ANSI"));
    EXPECT_EQ(ShortStringBytes(current().Text1), "Ab?");  // the record's rule is unchanged
    Find<QLineEdit>("EditText1")->setText("Ab");
    EXPECT_EQ(Find<QLineEdit>("EditText1")->palette().color(QPalette::Base), plain);
    EXPECT_TRUE(Find<QLineEdit>("EditText1")->toolTip().isEmpty());
}

TEST(Handover, RequestsCarryAnyPathAndMalformedOnesAreRefused) {
    for (const QString& path : {QString("/tmp/a b.lcd"), QString::fromUtf8("/t/\u6587\n2.lcd"), QString()})
        EXPECT_EQ(ParseHandoverRequest(HandoverRequest(path).chopped(1)), path) << path.toStdString();
    for (const QByteArray& line :
         {QByteArray("open "), QByteArray("open ***"), QByteArray("delete /x"), QByteArray()})
        EXPECT_FALSE(ParseHandoverRequest(line)) << line.toStdString();
    EXPECT_EQ(HandoverName("/run/user/1/Title.lock"), "/run/user/1/Title.socket");
}

TEST(EditorArguments, OneDocumentAtMostAndNoOptions) {
    QString problem;
    EXPECT_EQ(DocumentArgument({}, &problem), QString());
    EXPECT_EQ(DocumentArgument({"/d/set.lcd"}, &problem), QString("/d/set.lcd"));
    EXPECT_TRUE(DocumentArgument({"set.lcd"}, &problem)->endsWith("/set.lcd"));
    for (const QStringList& wrong : {QStringList{"a.lcd", "b.lcd"}, QStringList{"--help"}, QStringList{""}}) {
        problem.clear();
        EXPECT_FALSE(DocumentArgument(wrong, &problem)) << wrong.join(' ').toStdString();
        EXPECT_TRUE(problem.startsWith("usage:"));
    }
}

TEST_F(Window, PictureDroppedOnThePreviewIsImportedAndElsewhereRefused) {
    QTemporaryDir dir;
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QString png = dir.filePath("logo.png");
    ASSERT_TRUE(picture.save(png, "PNG"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(png)});
    window->show();
    auto dropAt = [&](QWidget* target) {
        const QPointF pos = window->mapFromGlobal(target->mapToGlobal(target->rect().center()));
        // A drop reaches only the widget that took the drag when it entered.
        QDragEnterEvent enter(pos.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        QApplication::processEvents();
        return drop.isAccepted();
    };
    state().Modified = false;
    EXPECT_FALSE(dropAt(Find<QGroupBox>("GroupBoxGraphics")));
    EXPECT_FALSE(state().Modified);
    EXPECT_TRUE(dropAt(Find<QLabel>("ImageLCDExpand")));
    EXPECT_TRUE(state().Modified);
    int lit = 0;
    for (int32_t colour : current().BitmapData) lit += IsPixelOn(colour) ? 1 : 0;
    EXPECT_GT(lit, 0);
    EXPECT_TRUE(Find<QAction>("ActionEditUndo")->isEnabled());
}

}  // namespace
}  // namespace zozavud
