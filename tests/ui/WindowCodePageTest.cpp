#include <QTemporaryDir>
#include <memory>

#include "DocumentIo.h"
#include "ShortString.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

using test::Window;

// A kanji the platform writes as FA 5C stored as ED 40, and a pair Shift-JIS leaves
// undefined: both are shown, and neither may be written anew when nobody edits them.
TEST_F(Window, OpeningShowingAndSavingADocumentKeepsBytesNoEditWouldWrite) {
    QTemporaryDir dir;
    const QString path = dir.filePath("shop.lcd");
    const QByteArray stored("\xED\x40\x81\xAD");
    ImageRecord& first = state().Set->Record(1);
    first.FontCharset = 128;
    StoreShortString(first.Text1, stored);
    ASSERT_TRUE(SaveImageSetFile(path, *state().Set));
    services->OpenAnswers = {path};
    Find<QAction>("ActionFileOpen")->trigger();
    ASSERT_EQ(Find<QLineEdit>("EditText1")->text(), QString::fromUtf8("纊・"));
    Find<QAction>("ActionFileSave")->trigger();

    auto saved = std::make_unique<ImageSet>();
    ASSERT_TRUE(LoadImageSetFile(path, *saved));
    EXPECT_EQ(ShortStringBytes(saved->Record(1).Text1).toHex(' ').toStdString(), "ed 40 81 ad");
}

}  // namespace
}  // namespace zozavud
