#include <gtest/gtest.h>

#include "HelpFile.h"

namespace zozavud {
namespace {

// B = help file beside the program, I = installed help file, H = HTML manual. The
// desktop opener is "open"; "" stands for a desktop that opens files itself.
TEST(OpenHelp, AFailedOpenerEndsTheSearchForAViewer) {
    const HelpLocations places{"B", "I", "H"};
    const struct {
        const char* Existing;
        const char* Desktop;
        bool DesktopShowsHelpFile;
        QStringList Opening;  // the programs that succeed
        QStringList Tried;    // "program file", in order
        const char* Message;  // the start of the box's text; "" for none
    } cases[] = {
        {"BIH", "open", true, {"open"}, {"open B"}, ""},
        {"IH", "open", false, {"xchm"}, {"xchm I"}, ""},
        {"BH", "open", true, {"kchmviewer"}, {"open B", "xchm B", "kchmviewer B"}, ""},
        {"BH",
         "open",
         true,
         {"sensible-browser"},
         {"open B", "xchm B", "kchmviewer B", "open H", "sensible-browser H"},
         ""},
        {"H", "open", true, {"x-www-browser"}, {"open H", "sensible-browser H", "x-www-browser H"}, ""},
        {"B",
         "",
         true,
         {},
         {" B", "xchm B", "kchmviewer B"},
         "No program could open the manual. Tried:\nthe desktop B\n"},
        {"BH",
         "open",
         false,
         {},
         {"xchm B", "kchmviewer B", "open H", "sensible-browser H", "x-www-browser H"},
         "No program could open the manual. Tried:\nxchm B\nkchmviewer B\nopen H\n"},
        {"", "open", true, {"open"}, {}, "The manual was not found."},
    };
    for (const auto& c : cases) {
        const QString existing = c.Existing;
        const HelpPrograms programs{
            c.Desktop, c.DesktopShowsHelpFile, {"xchm", "kchmviewer"}, {"sensible-browser", "x-www-browser"}};
        QStringList tried;
        const QString message = OpenHelp(
            places, [&](const QString& path) { return existing.contains(path); }, programs,
            [&](const HelpOpener& opener) {
                tried << opener.Program + ' ' + opener.File;
                return c.Opening.contains(opener.Program);
            });
        EXPECT_EQ(tried, c.Tried) << c.Existing << " " << c.Desktop;
        EXPECT_EQ(message.isEmpty(), !*c.Message) << message.toStdString();
        if (*c.Message) {
            EXPECT_TRUE(message.startsWith(c.Message)) << message.toStdString();
        }
        if (!tried.isEmpty() && message.startsWith("No program")) {
            EXPECT_TRUE(message.contains("Install xchm"));
        }
    }
}

}  // namespace
}  // namespace zozavud
