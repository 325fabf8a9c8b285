#include "SameBytes.h"

#include <algorithm>

namespace zozavud::test {
namespace {

constexpr qsizetype WindowBefore = 8;
constexpr qsizetype WindowLength = 16;

QByteArray HexWindow(const QByteArray& bytes, qsizetype start) {
    if (start >= bytes.size()) return "(end)";
    return bytes.mid(start, WindowLength).toHex(' ');
}

}  // namespace

::testing::AssertionResult SameBytes(const QByteArray& actual, const QByteArray& expected) {
    const qsizetype common = std::min(actual.size(), expected.size());
    qsizetype at = 0;
    while (at < common && actual[at] == expected[at]) ++at;
    if (at == common && actual.size() == expected.size()) return ::testing::AssertionSuccess();
    const qsizetype start = std::max<qsizetype>(0, at - WindowBefore);
    return ::testing::AssertionFailure()
           << "first difference at offset " << at << " (0x" << QByteArray::number(at, 16).constData()
           << "); sizes " << actual.size() << " actual, " << expected.size() << " expected\n"
           << "  actual   @" << start << ": " << HexWindow(actual, start).constData() << "\n"
           << "  expected @" << start << ": " << HexWindow(expected, start).constData();
}

void ExpectSameBytes(const QByteArray& actual, const QByteArray& expected, const QString& what) {
    EXPECT_TRUE(SameBytes(actual, expected)) << what.toStdString();
}

}  // namespace zozavud::test
