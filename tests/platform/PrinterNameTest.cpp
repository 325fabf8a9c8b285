// The printer names the spooler can hold, checked before a typed name is sent to.
#include <gtest/gtest.h>

#include "Spooler.h"

namespace zozavud {
namespace {

TEST(SpoolerPrinterName, NamesCupsCannotHoldAreRefusedNotResolvedToAnotherQueue) {
    const struct {
        QString Name;
        bool Held;
    } cases[] = {
        {"desk", true},
        {"desk/draft", true},  // an instance, as the printer list names it
        {"caf\u00e9-2_x.y@z", true},
        {QString(127, 'x'), true},
        {"desk/../desk", false},
        {"desk/", false},
        {"/desk", false},
        {"", false},
        {"a b", false},
        {"a#b", false},
        {"a\\b", false},
        {"a\tb", false},
        {"a\u202eb", false},
        {QString(128, 'x'), false},
        {QString(64, QChar(0xe9)), false},  // 128 bytes in UTF-8
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrinterNameProblem(c.Name).isEmpty(), c.Held) << c.Name.toStdString();
}

}  // namespace
}  // namespace zozavud
