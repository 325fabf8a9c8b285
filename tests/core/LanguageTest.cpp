#include <gtest/gtest.h>

#include <set>

#include "LanguageState.h"
#include "LanguageTables.h"

namespace zozavud {
namespace {

TEST(LocaleLanguageTable, HasUniqueIdentifiersAnd37NonEnglishEntries) {
    std::set<uint32_t> ids;
    int nonEnglish = 0;
    for (const LocaleLanguageEntry& entry : LocaleLanguageTable) {
        ids.insert(entry.LocaleId);
        if (entry.Language != MessageLanguage::English) ++nonEnglish;
    }
    EXPECT_EQ(ids.size(), 117u);
    EXPECT_EQ(nonEnglish, 37);
}

TEST(LanguageFromLocale, ComparesAll32Bits) {
    const std::pair<uint32_t, MessageLanguage> cases[] = {
        {0x0411, MessageLanguage::Japanese}, {0x040C, MessageLanguage::French},
        {0x100C, MessageLanguage::French},   {0x0807, MessageLanguage::German},
        {0x10407, MessageLanguage::English}, {0x500A, MessageLanguage::Spanish},
        {0x0810, MessageLanguage::Italian},  {0x0404, MessageLanguage::Chinese},
        {0x0C04, MessageLanguage::Chinese},  {0x0412, MessageLanguage::English},
        {0x0419, MessageLanguage::English},  {0x1234, MessageLanguage::English},
    };
    for (const auto& [id, language] : cases) EXPECT_EQ(LanguageFromLocale(id), language) << std::hex << id;
}

TEST(LanguageState, InitFromLocaleSetsCharsetAndFace) {
    LanguageState japanese;
    EXPECT_EQ(japanese.MessageFontName, "Tahoma");
    japanese.InitLanguage(0x0411);
    EXPECT_EQ(japanese.EffectiveLanguage(), MessageLanguage::Japanese);
    EXPECT_EQ(japanese.MessageCharset, 128);
    EXPECT_EQ(japanese.MessageFontName, "MS UI Gothic");

    LanguageState taiwan;
    taiwan.InitLanguage(0x0404);
    EXPECT_EQ(taiwan.MessageCharset, 134);
    EXPECT_EQ(taiwan.MessageFontName, "MS UI Gothic");

    LanguageState korean;
    korean.InitLanguage(0x0412);
    EXPECT_EQ(korean.EffectiveLanguage(), MessageLanguage::English);
    EXPECT_EQ(korean.MessageCharset, 0);
    EXPECT_EQ(korean.MessageFontName, "Tahoma");
}

TEST(LanguageState, OverrideWinsUntilCleared) {
    LanguageState state;
    state.InitLanguage(0x0410);
    state.EnglishOverride = true;
    EXPECT_EQ(state.EffectiveLanguage(), MessageLanguage::English);
    EXPECT_EQ(state.SelectedLanguage, MessageLanguage::Italian);
    state.EnglishOverride = false;
    state.RecomputeMessageFont();
    EXPECT_EQ(state.EffectiveLanguage(), MessageLanguage::Italian);
    EXPECT_EQ(state.MessageFontName, "Tahoma");
    EXPECT_EQ(state.MessageCharset, 0);
}

TEST(LanguageState, SetSelectedLanguageRunsTheHookBeforeStoring) {
    LanguageState state;
    state.InitLanguage(0x0410);
    state.EnglishOverride = true;
    MessageLanguage seen = MessageLanguage::Chinese;
    state.SetSelectedLanguage(MessageLanguage::German, [&] {
        EXPECT_FALSE(state.EnglishOverride);
        seen = state.SelectedLanguage;
    });
    EXPECT_EQ(seen, MessageLanguage::Italian);
    EXPECT_EQ(state.SelectedLanguage, MessageLanguage::German);
}

}  // namespace
}  // namespace zozavud
