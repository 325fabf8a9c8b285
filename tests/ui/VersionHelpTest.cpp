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

namespace zozavud {
namespace {

TEST(HelpLocations, InstalledCopyLivesInThePrefixShareFolder) {
    const struct {
        const char* Executable;
        HelpLocations Expected;
    } cases[] = {
        {"/usr/bin/zozavud",
         {"/usr/bin/zozavud.chm", "/usr/share/zozavud/zozavud.chm", "/usr/share/zozavud/manual/index.html"}},
        {"/home/a/src/build/bin/zozavud",
         {"/home/a/src/build/bin/zozavud.chm", "/home/a/src/build/share/zozavud/zozavud.chm",
          "/home/a/src/build/share/zozavud/manual/index.html"}},
        {"C:/Program Files/ORVANEX/bin/ZozAvud.exe",
         {"C:/Program Files/ORVANEX/bin/ZozAvud.chm", "C:/Program Files/ORVANEX/share/zozavud/zozavud.chm",
          "C:/Program Files/ORVANEX/share/zozavud/manual/index.html"}},
    };
    for (const auto& c : cases) {
        const HelpLocations got = HelpLocationsFor(c.Executable);
        EXPECT_EQ(got.BesideExecutable, c.Expected.BesideExecutable) << c.Executable;
        EXPECT_EQ(got.InstalledHelpFile, c.Expected.InstalledHelpFile) << c.Executable;
        EXPECT_EQ(got.HtmlIndex, c.Expected.HtmlIndex) << c.Executable;
    }
}

// B = help file beside the program, I = installed help file, H = HTML manual.
TEST(ChooseHelp, LooksBesideTheProgramFirstAndFallsBackToTheHtmlManual) {
    const HelpLocations places{"B", "I", "H"};
    const struct {
        const char* Existing;
        bool Viewer;
        HelpChoice Expected;
    } cases[] = {
        {"BIH", true, {HelpKind::HelpFile, "B"}}, {"IH", true, {HelpKind::HelpFile, "I"}},
        {"BI", false, {HelpKind::HelpFile, "B"}}, {"BIH", false, {HelpKind::HtmlManual, "H"}},
        {"H", true, {HelpKind::HtmlManual, "H"}}, {"H", false, {HelpKind::HtmlManual, "H"}},
        {"I", false, {HelpKind::HelpFile, "I"}},  {"", true, {HelpKind::Missing, ""}},
        {"", false, {HelpKind::Missing, ""}},
    };
    for (const auto& c : cases) {
        const QString existing = c.Existing;
        const auto exists = [&](const QString& path) { return existing.contains(path); };
        EXPECT_EQ(ChooseHelp(places, exists, c.Viewer), c.Expected) << c.Existing << " viewer " << c.Viewer;
    }
}

}  // namespace
}  // namespace zozavud
