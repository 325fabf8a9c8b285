#pragma once
#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

namespace zozavud::test {

// Byte-for-byte comparison that says where two blocks part: the first differing offset, both
// sizes, and a hex window of 16 bytes around it from each side.
::testing::AssertionResult SameBytes(const QByteArray& actual, const QByteArray& expected);

// The non-fatal expectation over SameBytes; `what` names the case in the failure.
void ExpectSameBytes(const QByteArray& actual, const QByteArray& expected, const QString& what = {});

}  // namespace zozavud::test
