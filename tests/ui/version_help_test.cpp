#include <gtest/gtest.h>

#include "HelpFile.h"

namespace zozavud {
namespace {

TEST(HelpFilePath, ReplacesOrAppendsTheExtension) {
    const struct {
        const char* Executable;
        const char* Help;
    } cases[] = {
        {"/opt/orvanex/editor.exe", "/opt/orvanex/editor.chm"},
        {"/opt/orvanex/editor.beta.exe", "/opt/orvanex/editor.beta.chm"},
        {"/usr/bin/zozavud", "/usr/bin/zozavud.chm"},
        {"/opt/my.tools/zozavud", "/opt/my.tools/zozavud.chm"},
        {"/opt/editor.", "/opt/editor.chm"},
        {"/opt/.editor", "/opt/.chm"},
        {"editor.exe", "editor.chm"},
        {"editor", "editor.chm"},
        {"C:/Program Files/ORVANEX/ZozAvud.exe", "C:/Program Files/ORVANEX/ZozAvud.chm"},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpFilePath(c.Executable), c.Help) << c.Executable;
}

}  // namespace
}  // namespace zozavud
