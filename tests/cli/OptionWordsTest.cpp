// The one table behind each enum option: what it accepts, and what the help offers.
#include <gtest/gtest.h>

#include "OptionTables.h"

namespace zozavud::cli {
namespace {

TEST(OptionWords, WordsAreMatchedInTheTablesCaseAndAliasesStayOutOfTheHelp) {
    const struct {
        QString Text;
        std::optional<uint8_t> Style;
        std::optional<CommandKind> Kind;
        std::optional<bool> Switch;
    } cases[] = {
        {"BOLD", FontStyleBold, std::nullopt, std::nullopt},
        {"none", 0, std::nullopt, std::nullopt},
        {"register-all", std::nullopt, CommandKind::RegisterAllImages, std::nullopt},
        {"Register", std::nullopt, std::nullopt, std::nullopt},  // kinds are written exactly
        {"Off", std::nullopt, std::nullopt, false},
        {"", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StyleWords().Parse(c.Text), c.Style) << c.Text.toStdString();
        EXPECT_EQ(CommandKindWords().Parse(c.Text), c.Kind) << c.Text.toStdString();
        EXPECT_EQ(SwitchWords().Parse(c.Text), c.Switch) << c.Text.toStdString();
    }
    EXPECT_EQ(StyleWords().Listed(), "bold, italic, underline, strikeout");
    EXPECT_EQ(StyleWords().NameOf(0), "");
    EXPECT_EQ(SwitchWords().Listed("|"), "on|off");
}

TEST(OptionWords, ChoicesPutOrBeforeTheLastWordOnly) {
    EXPECT_EQ(JoinAsChoices({}), "");
    EXPECT_EQ(JoinAsChoices({"on"}), "on");
    EXPECT_EQ(JoinAsChoices({"on", "off"}), "on or off");
    EXPECT_EQ(DitherWords().Choices(), "none, floyd-steinberg, atkinson or bayer");
}

TEST(OptionWords, StyleListsReadWithBlanksAndRefuseAnyUnknownPart) {
    const struct {
        const char* Text;
        std::optional<uint8_t> Bits;
    } cases[] = {
        {"bold,underline", FontStyleBold | FontStyleUnderline},
        {" Italic , strikeout,", FontStyleItalic | FontStyleStrikeOut},
        {"regular", 0},
        {"", 0},
        {"bold, ,italic", std::nullopt},
        {"bold,heavy", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseStyleList(c.Text), c.Bits) << c.Text;
    EXPECT_EQ(StyleListText(FontStyleBold | FontStyleStrikeOut), "bold,strikeout");
    EXPECT_EQ(StyleListText(0), "");
}

}  // namespace
}  // namespace zozavud::cli
