// A loaded file is never trusted: whatever its bytes hold, every image can be selected
// and rendered, and the result holds only unlit white and lit colours.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "DocumentCommands.h"
#include "DocumentTestData.h"
#include "FakeDocumentUi.h"
#include "LcdRenderer.h"
#include "RecordRender.h"
#include "SameBytes.h"
#include "TestFiles.h"

namespace zozavud::test {
namespace {

using Mutation = std::function<void(ImageRecord&)>;

void FillShortString(ShortString& s, uint8_t length, uint32_t seed) {
    s.Length = length;
    const QByteArray bytes = PatternBytes(ShortStringCapacity, seed);
    std::memcpy(s.Bytes, bytes.constData(), ShortStringCapacity);
}

// One hostile record each; image n of the document gets the n-th.
const std::vector<Mutation>& HostileRecords() {
    static const std::vector<Mutation> records = {
        [](ImageRecord& r) {
            r.FontHeight = INT32_MIN;
            FillShortString(r.Text1, 255, 1);
        },
        [](ImageRecord& r) {
            r.FontHeight = INT32_MAX;
            FillShortString(r.Text2, 255, 2);
        },
        [](ImageRecord& r) {
            r.FontHeight = 0;
            r.VerticalPositionOffset = INT32_MIN;
        },
        [](ImageRecord& r) {
            r.FontHeight = -1;
            r.VerticalPositionOffset = INT32_MAX;
        },
        [](ImageRecord& r) {
            r.FontHeight = 1;
            r.VerticalPositionOffset = -25;
        },
        [](ImageRecord& r) {
            r.FontHeight = -100000;
            r.FontCharset = 128;
            FillShortString(r.Text1, 255, 3);
        },
        [](ImageRecord& r) {
            r.FontCharset = 134;
            FillShortString(r.Text2, 255, 4);
            r.Scroll = 0x7F;
        },
        [](ImageRecord& r) {
            r.FontCharset = 255;
            FillShortString(r.FontName, 255, 5);
        },
        [](ImageRecord& r) {
            r.FontCharset = 2;
            FillShortString(r.FontName, 31, 6);
            FillShortString(r.Text1, 9, 7);
        },
        [](ImageRecord& r) {
            r.FontName.Length = 0;
            FillShortString(r.Text1, 40, 8);
        },
        [](ImageRecord& r) {
            r.FontColor = -1;
            r.FontStyle = 0xFF;
            FillShortString(r.Text1, 20, 9);
        },
        [](ImageRecord& r) {
            r.FontColor = static_cast<int32_t>(0xFF0000FFu);
            r.Blink = 0xFF;
        },
        [](ImageRecord& r) {
            r.FontColor = INT32_MAX;
            r.WideBitmap = 0xFF;
            r.Blink = 1;
        },
        [](ImageRecord& r) {
            r.FontColor = ColorScrollArea;
            FillShortString(r.Text1, 12, 10);
        },
        [](ImageRecord& r) {
            const QByteArray bytes = PatternBytes(sizeof r.BitmapData, 11);
            std::memcpy(r.BitmapData, bytes.constData(), bytes.size());
        },
        [](ImageRecord& r) { std::fill(std::begin(r.BitmapData), std::end(r.BitmapData), ColorOutside); },
        [](ImageRecord& r) {
            r.FontCharset = 222;
            r.FontHeight = 5000;
            FillShortString(r.Text1, 1, 12);
        },
        [](ImageRecord& r) {
            r.FontCharset = 136;
            FillShortString(r.Text1, 255, 13);
            FillShortString(r.Text2, 255, 14);
        },
        [](ImageRecord& r) {
            r.FontHeight = -24;
            r.FontStyle = 0x0F;
            FillShortString(r.Text2, 3, 15);
        },
    };
    return records;
}

void ExpectSoundPicture(const ImageRecord& record, int n) {
    int bad = 0;
    for (int32_t color : record.RenderedData)
        if (color != ColorBlank && !IsPixelOn(color)) ++bad;
    EXPECT_EQ(bad, 0) << "image " << n;
    EXPECT_LE(record.Scroll, 1) << "image " << n;
}

class HostileDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ui_.OnShowImage = [this](int n) {
            state_.SelectImage(n);
            RenderCurrentImage(state_, renderer_);
        };
    }

    // Loads the bytes as a document, then shows and renders every image in turn,
    // with the animation counters at their extremes as well.
    void LoadAndRenderEverything(const QByteArray& bytes) {
        const QString path = dir_.filePath("hostile.lcd");
        ASSERT_TRUE(WriteWholeFile(path, bytes));
        commands_.LoadDocument(path);
        ASSERT_EQ(ui_.Events.last(), "show:1");
        for (int n = 1; n <= ImageCount; ++n) {
            ui_.ShowImage(n);
            ExpectSoundPicture(state_.CurrentRecord(), n);
        }
        for (int32_t position : {INT32_MIN, -1, 255, 256, INT32_MAX}) {
            state_.ScrollPosition = position;
            state_.BlinkPhase = !state_.BlinkPhase;
            RenderCurrentImage(state_, renderer_);
        }
        ExpectSoundPicture(state_.CurrentRecord(), ImageCount);
        // Still usable: the document saves whole (random bytes are no document, so the
        // first save asks for the name).
        ui_.SaveAnswer = dir_.filePath("resaved.lcd");
        EXPECT_TRUE(commands_.SaveDocument());
        test::ExpectSameBytes(ReadWholeFile(state_.FileName), SetBytes(*state_.Set));
    }

    QTemporaryDir dir_;
    EditorState state_;
    LcdRenderer renderer_;
    FakeDocumentUi ui_;
    DocumentCommands commands_{state_, ui_};
};

TEST_F(HostileDocumentTest, RecordsWithExtremeFieldsRenderSafely) {
    auto owned = std::make_unique<ImageSet>();
    ImageSet& set = *owned;
    FillPatternedSet(set, 20);
    for (int n = 1; n <= ImageCount; ++n) {
        ImageRecord& r = set.Record(n);
        r.Text1.Length = r.Text2.Length = 0;
        r.FontHeight = -12;
        r.FontName.Length = 0;
        r.FontCharset = 0;
        r.VerticalPositionOffset = 0;
        HostileRecords()[n - 1](r);
        r.ImageNo = static_cast<uint8_t>(n * 13);  // wrong numbers, 0 and above 19 among them
    }
    // Rendered as read, before showing puts the numbers right.
    for (int n = 1; n <= ImageCount; ++n) {
        ImageRecord copy = set.Record(n);
        renderer_.Render(copy, RenderContext{});
        ExpectSoundPicture(copy, n);
        renderer_.DefaultVerticalOffset(copy);
    }
    LoadAndRenderEverything(SetBytes(set));
}

TEST_F(HostileDocumentTest, RandomDocumentsRenderSafely) {
    for (uint32_t seed : {31u, 32u}) {
        SCOPED_TRACE(seed);
        LoadAndRenderEverything(PatternBytes(1054720, seed));
    }
}

}  // namespace
}  // namespace zozavud::test
