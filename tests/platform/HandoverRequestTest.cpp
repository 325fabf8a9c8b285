// The hand-over line as the running editor reads it: only what the second copy writes
// becomes a path; any other line, garbage base64 above all, opens nothing.
#include <gtest/gtest.h>

#include "InstanceHandover.h"

namespace zozavud {
namespace {

TEST(ParseHandoverRequest, GarbageIsRefusedAndNotReadAsAPath) {
    const struct {
        QByteArray Line;
        std::optional<QString> Path;
    } cases[] = {
        {HandoverRequest("/d/ä b.lcd").chopped(1), "/d/ä b.lcd"},
        {"raise", QString()},
        {"open L2QvYS5sY2Q=", "/d/a.lcd"},
        {"open L2Qv*YS5sY2Q=", std::nullopt},  // a character base64 has not
        {"open L2QvYS5sY2Q=junk", std::nullopt},
        {"open  L2QvYS5sY2Q=", std::nullopt},
        {"open ", std::nullopt},
        {"open", std::nullopt},
        {"raise ", std::nullopt},
        {"OPEN L2QvYS5sY2Q=", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseHandoverRequest(c.Line), c.Path) << c.Line.toStdString();
}

}  // namespace
}  // namespace zozavud
