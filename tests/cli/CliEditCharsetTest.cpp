#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliProcess.h"

namespace zozavud {
namespace {

// "€" is byte 0x88 in code page 1251 and 0x80 in 1252: a charset change that kept the
// bytes would read it as "ˆ". "Ж" has no place in 1252, and the warning says so.
TEST(CliEdit, ACharsetChangeStoresTheTextsAgainAndNamesWhatTheNewPageLoses) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("doc.lcd");
    ASSERT_EQ(test::RunCli({"new", doc, "--language", "en"}).ExitCode, 0);
    ASSERT_EQ(test::RunCli({"edit", doc, "--image", "6", "--charset", "204", "--text1", "€Ж"}).ExitCode, 0);
    const test::CliRun edit = test::RunCli({"edit", doc, "--image", "6", "--charset", "0"});
    ASSERT_EQ(edit.ExitCode, 0);
    EXPECT_TRUE(edit.Err.contains("image 6, line 1: code page")) << edit.Err.toStdString();
    const test::CliRun info = test::RunCli({"info", doc, "--image", "6", "--json"});
    const QJsonObject six =
        QJsonDocument::fromJson(info.RawOut).object()["images"].toArray().at(0).toObject();
    EXPECT_TRUE(six["text1"].toString().startsWith("€")) << six["text1"].toString().toStdString();
    EXPECT_EQ(six["fontCharset"].toInt(), 0);
}

}  // namespace
}  // namespace zozavud
