#include <gtest/gtest.h>

#include "FitChecker.h"
#include "FontFiles.h"
#include "ImageReset.h"
#include "LanguageTables.h"
#include "MessageSlots.h"
#include "RenderTestSupport.h"
#include "ShortString.h"
#include "TextFont.h"

namespace zozavud {
namespace {

// After a language switch an image without text shows the new language's default message
// in the face it was made with: Tahoma has no kana or hanzi, the test's own face no Latin.
TEST(LanguageFace, DefaultMessageTheRecordsFaceCannotDrawIsDrawnInTheLanguagesFace) {
    ASSERT_TRUE(AddFontFile(ZOZAVUD_TEST_FONT_DIR "/no-latin.ttf"));
    const struct {
        MessageLanguage Language;
        const char* RecordFace;
    } cases[] = {
        {MessageLanguage::English, "Zozavud No Latin"}, {MessageLanguage::Japanese, "Tahoma"},
        {MessageLanguage::French, "Zozavud No Latin"},  {MessageLanguage::German, "Zozavud No Latin"},
        {MessageLanguage::Spanish, "Zozavud No Latin"}, {MessageLanguage::Italian, "Zozavud No Latin"},
        {MessageLanguage::Chinese, "Tahoma"},
    };
    LcdRenderer renderer;
    FitChecker checker;
    for (const auto& c : cases) {
        LanguageState language;
        language.SelectedLanguage = c.Language;
        language.RecomputeMessageFont();
        int fallbacks = 0;
        for (int n = 1; n <= ImageCount; ++n) {
            SCOPED_TRACE(testing::Message()
                         << c.RecordFace << ", language " << int(c.Language) << ", image " << n);
            auto own = std::make_unique<ImageRecord>();
            own->ImageNo = static_cast<uint8_t>(n);
            ResetImageRecord(*own, language, renderer);
            auto lacking = std::make_unique<ImageRecord>(*own);
            StoreShortString(lacking->FontName, c.RecordFace);
            lacking->FontCharset = 0;
            // Messages the record's face can draw (a model name) stay in it.
            const std::shared_ptr<TextFont> face = TextFont::For(FontSpecFromRecord(*lacking));
            if (face->HasGlyphsFor(DefaultText(n, c.Language, 1)) &&
                face->HasGlyphsFor(DefaultText(n, c.Language, 2)))
                continue;
            ++fallbacks;

            const RenderContext context{c.Language};
            renderer.Render(*own, context);
            renderer.Render(*lacking, context);
            EXPECT_GT(test::Bounds(*lacking).Count, 20);
            EXPECT_EQ(std::memcmp(lacking->RenderedData, own->RenderedData, sizeof own->RenderedData), 0);
            if (fallbacks != 1) continue;  // the check's note, once per language
            auto notes = [&](const ImageRecord& record) {
                int count = 0;
                for (const FitWarning& w : checker.Check(record, n, c.Language))
                    count += w.Kind == FitWarningKind::LanguageFace && w.Note;
                return count;
            };
            EXPECT_EQ(notes(*lacking), 1);
            EXPECT_EQ(notes(*own), 0);
        }
        EXPECT_GE(fallbacks, 17) << c.RecordFace << ", language " << int(c.Language);
    }
}

}  // namespace
}  // namespace zozavud
