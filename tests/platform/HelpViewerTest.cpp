#include <gtest/gtest.h>

#include "HelpViewer.h"

namespace zozavud {
namespace {

// The opener's exit status counts; one still running at the bound has opened the file.
TEST(HelpViewerRun, AFailingOrMissingOpenerPassesForOpened) {
    const struct {
        const char* Program;
        const char* Argument;
        bool Opened;
    } cases[] = {
        {"true", "manual.chm", true},
        {"false", "manual.chm", false},
        {"sh", "no-such-script", false},  // exit status 127
        {"no-such-viewer-here", "manual.chm", false},
        {"sleep", "1", true},  // still running after 200 ms; ends by itself
    };
    for (const auto& c : cases) EXPECT_EQ(HelpViewer::Run(c.Program, c.Argument, 200), c.Opened) << c.Program;
}

}  // namespace
}  // namespace zozavud
