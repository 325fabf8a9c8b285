#include <gtest/gtest.h>

#include "CodePage.h"
#include "FitChecker.h"
#include "RenderTestSupport.h"
#include "ShortString.h"

namespace zozavud {
namespace {

constexpr int OneLineSlot = 2;   // "Online"
constexpr int TwoLineSlot = 10;  // "Cutter lock" / "Open paper cover & remove jam."

class FitCheck : public ::testing::Test {
protected:
    void SetUp() override { test::MakeFreshSet(state, renderer); }

    ImageRecord& Edit(int n, const QString& text1, const QString& text2 = {}) {
        ImageRecord& record = state.Set->Record(n);
        StoreShortString(record.Text1, EncodeText(text1, 0));
        StoreShortString(record.Text2, EncodeText(text2, 0));
        return record;
    }
    void Render(int n) {
        state.SelectImage(n);
        RenderCurrentImage(state, renderer);
    }
    std::vector<FitWarning> Check(int n) {
        return checker.Check(state.Set->Record(n), n, MessageLanguage::English);
    }
    static std::vector<FitWarningKind> KindsOf(const std::vector<FitWarning>& warnings) {
        std::vector<FitWarningKind> kinds;
        for (const auto& w : warnings)
            if (!w.Note) kinds.push_back(w.Kind);
        return kinds;
    }
    static int Lost(const std::vector<FitWarning>& warnings) {
        int lost = 0;
        for (const auto& w : warnings)
            if (w.Kind == FitWarningKind::LostAboveWindow || w.Kind == FitWarningKind::LostBelowWindow)
                lost += w.Pixels;
        return lost;
    }

    EditorState state;
    LcdRenderer renderer;
    FitChecker checker;
};

using Kinds = std::vector<FitWarningKind>;

TEST(FitCheckFresh, FreshSetsInEveryLanguageHaveNoWarnings) {
    const uint32_t locales[] = {0x0409, 0x0411, 0x040C, 0x0407, 0x0C0A, 0x0410, 0x0804};
    FitChecker checker;
    for (uint32_t locale : locales) {
        EditorState state;
        LcdRenderer renderer;
        test::MakeFreshSet(state, renderer, locale);
        const MessageLanguage language = state.Language.EffectiveLanguage();
        for (int n = 1; n <= ImageCount; ++n)
            for (const FitWarning& w : checker.Check(state.Set->Record(n), n, language)) {
                // The default messages lose descender tips below row 24 as the editor draws
                // them; that is told as a note, never held against the document.
                EXPECT_TRUE(w.Note) << std::hex << locale << " image " << n << ": "
                                    << w.Message.toStdString();
                EXPECT_TRUE(w.Kind == FitWarningKind::LostBelowWindow ||
                            w.Kind == FitWarningKind::LostAboveWindow || w.Kind == FitWarningKind::OffCanvas);
            }
    }
}

TEST_F(FitCheck, TypedTextThatFitsIsClean) {
    Edit(OneLineSlot, "Ready");
    Render(OneLineSlot);
    Edit(TwoLineSlot, "Cover", "Close it");
    Render(TwoLineSlot);
    EXPECT_EQ(KindsOf(Check(OneLineSlot)), Kinds{});
    EXPECT_EQ(KindsOf(Check(TwoLineSlot)), Kinds{});
}

// What the window loses plus what the picture keeps is the whole text, whatever the
// offset: the checker draws the lines where the renderer does.
TEST_F(FitCheck, LostAndKeptPixelsAddUpAtEveryOffset) {
    ImageRecord& record = Edit(OneLineSlot, "Hgjy");
    Render(OneLineSlot);
    ASSERT_EQ(KindsOf(Check(OneLineSlot)), Kinds{});
    const int whole = test::Bounds(record).Count;
    ASSERT_GT(whole, 20);
    // The line sits in canvas rows 5..18: the window (offset .. offset + 24) loses its
    // bottom when the offset is well below 0 and its top when it is well above.
    const struct {
        int Offset;
        bool Above, Below;
    } cases[] = {
        {-20, false, true}, {-10, false, true}, {3, false, false}, {12, true, false}, {24, true, false}};
    for (const auto& c : cases) {
        record.VerticalPositionOffset = c.Offset;
        Render(OneLineSlot);
        const auto warnings = Check(OneLineSlot);
        EXPECT_EQ(test::Bounds(record).Count + Lost(warnings), whole) << c.Offset;
        const Kinds kinds = KindsOf(warnings);
        EXPECT_EQ(std::count(kinds.begin(), kinds.end(), FitWarningKind::LostAboveWindow), c.Above)
            << c.Offset;
        EXPECT_EQ(std::count(kinds.begin(), kinds.end(), FitWarningKind::LostBelowWindow), c.Below)
            << c.Offset;
    }
}

TEST_F(FitCheck, DescendersOfTheSecondLineBelowTheWindow) {
    Edit(TwoLineSlot, "Top", "gypsy jumping");
    Render(TwoLineSlot);
    const auto warnings = Check(TwoLineSlot);
    ASSERT_EQ(KindsOf(warnings), Kinds{FitWarningKind::LostBelowWindow});
    EXPECT_TRUE(warnings[0].Message.startsWith("line 2:")) << warnings[0].Message.toStdString();
    EXPECT_FALSE(warnings[0].Note);
}

TEST_F(FitCheck, GlyphsClippedAtTheCanvasEdges) {
    Edit(OneLineSlot, QString(60, 'W'));
    Render(OneLineSlot);
    auto warnings = Check(OneLineSlot);
    const Kinds wide = KindsOf(warnings);
    ASSERT_NE(std::find(wide.begin(), wide.end(), FitWarningKind::OffCanvas), wide.end());
    const auto off = std::find_if(warnings.begin(), warnings.end(),
                                  [](const FitWarning& w) { return w.Kind == FitWarningKind::OffCanvas; });
    EXPECT_TRUE(off->Message.contains("right edge")) << off->Message.toStdString();

    ImageRecord& tall = Edit(OneLineSlot, "Hg");
    tall.FontHeight = -60;
    Render(OneLineSlot);
    warnings = Check(OneLineSlot);
    const auto bottom = std::find_if(warnings.begin(), warnings.end(),
                                     [](const FitWarning& w) { return w.Kind == FitWarningKind::OffCanvas; });
    ASSERT_NE(bottom, warnings.end());
    EXPECT_TRUE(bottom->Message.contains("bottom edge")) << bottom->Message.toStdString();
}

TEST_F(FitCheck, DotsBeyondColumn128OnlyMatterWhenTheImageDoesNotScroll) {
    Edit(OneLineSlot, QString(16, 'M'));
    Render(OneLineSlot);
    EXPECT_EQ(KindsOf(Check(OneLineSlot)), Kinds{FitWarningKind::HiddenColumns});

    // A wide second line makes a two-line image scroll: its columns are shown.
    Edit(TwoLineSlot, "", QString(16, 'M'));
    Render(TwoLineSlot);
    ASSERT_EQ(state.Set->Record(TwoLineSlot).Scroll, 1);
    EXPECT_EQ(KindsOf(Check(TwoLineSlot)), Kinds{});

    ImageRecord& bitmap = Edit(OneLineSlot, "Ok");
    bitmap.BitmapData[LayerIndex(200, 10)] = 0;
    Render(OneLineSlot);
    const auto warnings = Check(OneLineSlot);
    ASSERT_EQ(KindsOf(warnings), Kinds{FitWarningKind::HiddenColumns});
    EXPECT_EQ(warnings[0].Pixels, 1);
    EXPECT_TRUE(warnings[0].Message.contains("columns 200..200"));
    bitmap.WideBitmap = 1;
    Render(OneLineSlot);
    EXPECT_EQ(KindsOf(Check(OneLineSlot)), Kinds{});
}

TEST_F(FitCheck, ColumnCheckReadsThePictureAsStored) {
    ImageRecord& record = Edit(TwoLineSlot, "Ok", "Fine");
    Render(TwoLineSlot);
    record.RenderedData[LayerIndex(130, 3)] = 0;  // what a command would send
    EXPECT_EQ(KindsOf(Check(TwoLineSlot)), Kinds{FitWarningKind::HiddenColumns});
    record.Scroll = 1;
    EXPECT_EQ(KindsOf(Check(TwoLineSlot)), Kinds{});
}

TEST_F(FitCheck, TextAtTheFullLengthByteMayHaveBeenCut) {
    Edit(TwoLineSlot, "A", QString(254, '.'));
    Render(TwoLineSlot);
    Kinds kinds = KindsOf(Check(TwoLineSlot));
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), FitWarningKind::TextCut), 0);
    ImageRecord& record = Edit(TwoLineSlot, QString(300, '.'), "B");
    EXPECT_EQ(record.Text1.Length, 255);
    Render(TwoLineSlot);
    const auto warnings = Check(TwoLineSlot);
    kinds = KindsOf(warnings);
    ASSERT_EQ(std::count(kinds.begin(), kinds.end(), FitWarningKind::TextCut), 1);
    const auto cut = std::find_if(warnings.begin(), warnings.end(),
                                  [](const FitWarning& w) { return w.Kind == FitWarningKind::TextCut; });
    EXPECT_TRUE(cut->Message.contains("line 1"));
}

TEST(FitCheckFonts, OurOwnStandInsAreNotSubstitutions) {
    const struct {
        const char* Face;
        uint8_t Charset;
        bool Substituted;
    } cases[] = {
        {"Tahoma", 0, false},
        {"tahoma", 0, false},
        {"Arial", 0, false},
        {"MS UI Gothic", 128, false},
        {"MS UI Gothic", 134, false},
        {"No Such Face 7Q", 0, true},
        {"Liberation Sans", 128, true},  // no Japanese in it: drawn in a face that has it
        {"No Such Face 7Q", 128, true},
        {"", 0, true},
    };
    for (const auto& c : cases) {
        FontSpec font;
        font.Name = c.Face;
        font.Charset = c.Charset;
        EXPECT_EQ(!SubstitutedFace(font).isEmpty(), c.Substituted) << c.Face << " " << int(c.Charset);
    }
}

TEST_F(FitCheck, MissingFaceIsWarnedWithTheFaceDrawn) {
    const struct {
        const char* Face;
        uint8_t Charset;
        const char* Says;
    } cases[] = {
        {"No Such Face 7Q", 0, "\"No Such Face 7Q\" is not installed"},
        {"Liberation Sans", 128, "\"Liberation Sans\" has no characters of charset 128"},
    };
    for (const auto& c : cases) {
        ImageRecord& record = Edit(OneLineSlot, "Ok");
        StoreShortString(record.FontName, c.Face);
        record.FontCharset = c.Charset;
        Render(OneLineSlot);
        const auto warnings = Check(OneLineSlot);
        ASSERT_EQ(KindsOf(warnings), Kinds{FitWarningKind::FontSubstituted}) << c.Face;
        EXPECT_TRUE(warnings[0].Message.contains(c.Says)) << warnings[0].Message.toStdString();
    }
}

TEST_F(FitCheck, CheckingLeavesTheDocumentAlone) {
    Edit(TwoLineSlot, "Top", "gypsy");
    Render(TwoLineSlot);
    const ImageRecord before = state.Set->Record(TwoLineSlot);
    // Checked under another number: only the checker's copy is renumbered.
    checker.Check(state.Set->Record(TwoLineSlot), 3, MessageLanguage::French);
    EXPECT_EQ(std::memcmp(&before, &state.Set->Record(TwoLineSlot), sizeof before), 0);
}

}  // namespace
}  // namespace zozavud
