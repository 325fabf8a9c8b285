#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliProcess.h"

namespace zozavud {
namespace {

// "€" is byte 0x80 in code page 1252 and 0x88 in 1251: a charset change that kept the
// bytes would read it as "Ђ".
TEST(CliEdit, ACharsetChangeStoresTheTextsAgainInsteadOfRereadingTheirBytes) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("doc.lcd");
    ASSERT_EQ(test::RunCli({"new", doc, "--language", "en"}).ExitCode, 0);
    ASSERT_EQ(test::RunCli({"edit", doc, "--image", "6", "--charset", "0", "--text1", "€"}).ExitCode, 0);
    ASSERT_EQ(test::RunCli({"edit", doc, "--image", "6", "--charset", "204"}).ExitCode, 0);
    const test::CliRun info = test::RunCli({"info", doc, "--image", "6", "--json"});
    const QJsonObject six =
        QJsonDocument::fromJson(info.RawOut).object()["images"].toArray().at(0).toObject();
    EXPECT_EQ(six["text1"].toString(), "€");
    EXPECT_EQ(six["fontCharset"].toInt(), 204);
}

}  // namespace
}  // namespace zozavud
