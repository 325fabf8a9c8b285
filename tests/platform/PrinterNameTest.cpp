// The printer names the spooler can hold, checked before a typed name is sent to.
#include <gtest/gtest.h>

#include "Spooler.h"

namespace zozavud {
namespace {

TEST(SpoolerPrinterName, NamesCupsCannotHoldAreRefusedNotResolvedToAnotherQueue) {
    // "desk/draft" is an instance, as the printer list names it; 64 times U+00E9 is 128 bytes.
    const QString held[] = {"desk", "desk/draft", "caf\u00e9-2_x.y@z", QString(127, 'x')};
    const QStringList refused =
        QStringList{"desk/../desk", "desk/", "/desk", "", "a b", "a#b", "a\\b", "a\tb", "a\u202eb"}
        << QString(128, 'x') << QString(64, QChar(0xe9));
    for (const QString& name : held) EXPECT_EQ(PrinterNameProblem(name), "") << name.toStdString();
    for (const QString& name : refused) EXPECT_NE(PrinterNameProblem(name), "") << name.toStdString();
}

}  // namespace
}  // namespace zozavud
