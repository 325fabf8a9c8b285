// A document read and shown: every image made current and rendered as the editor does,
// then every printer command built from the result.
//
// Input: a whole document (1,054,720 bytes or more) is loaded as it stands. A shorter
// input is the compact form that keeps the corpus small: record n takes the next
// RecordHeadSize bytes as its head (marker, texts, font, attributes), bytes past the 19
// heads fill image 1's layers, and everything else stays zero.
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "CommandEncoder.h"
#include "DocumentIo.h"
#include "EditorState.h"
#include "FuzzSupport.h"
#include "ImageSet.h"
#include "LcdRenderer.h"
#include "RecordRender.h"

using namespace zozavud;

namespace {

// Marker through WideBitmap, rounded up to the next 32-bit boundary.
constexpr size_t RecordHeadSize = offsetof(ImageRecord, Reserved3) + 3;
constexpr size_t LayersSize = sizeof(ImageRecord::BitmapData) + sizeof(ImageRecord::RenderedData);

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void FillCompact(ImageSet& set, const uint8_t* data, size_t size) {
    size_t offset = 0;
    for (int n = 1; n <= ImageCount && offset < size; ++n) {
        const size_t take = std::min(RecordHeadSize, size - offset);
        std::memcpy(&set.Record(n), data + offset, take);
        offset += take;
    }
    if (offset < size) {
        const size_t take = std::min(LayersSize, size - offset);
        std::memcpy(&set.Record(1).BitmapData, data + offset, take);
    }
}

// The loader must take a whole document byte for byte and refuse anything shorter
// without touching the set it was given.
void CheckLoader(const QByteArray& bytes, ImageSet& set) {
    const QString path = fuzz::WriteScratchFile(bytes, QStringLiteral(".lcd"));
    const auto before = std::make_unique<ImageSet>(set);
    QString error;
    const bool loaded = LoadImageSetFile(path, set, &error);
    if (static_cast<size_t>(bytes.size()) >= ImageSetSize) {
        if (!loaded) Fail("a whole document was refused");
        if (std::memcmp(&set, bytes.constData(), ImageSetSize) != 0) Fail("the document changed on load");
    } else {
        if (loaded) Fail("a short document was accepted");
        if (error.isEmpty()) Fail("a refused document gave no reason");
        if (std::memcmp(&set, before.get(), ImageSetSize) != 0) Fail("a refused load changed the set");
    }
}

void CheckCommandSizes(const ImageSet& set) {
    for (const CommandLayout& layout : CommandLayouts) {
        const CommandKind kind = layout.Kind;
        const bool perImage = layout.NeedsImage;
        for (int n = perImage ? 0 : 1; n <= (perImage ? ImageCount + 1 : 1); ++n) {
            const QByteArray command = BuildCommand(kind, set, n);
            const bool inRange = !perImage || (n >= 1 && n <= ImageCount);
            if (command.size() != (inRange ? CommandSize(kind) : 0)) Fail("a command has the wrong size");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LcdRenderer renderer;
    EditorState state;
    state.Set = std::make_unique<ImageSet>();
    const QByteArray bytes = fuzz::Bytes(data, size);
    CheckLoader(bytes, *state.Set);
    if (size < ImageSetSize) FillCompact(*state.Set, data, size);

    for (int n = 1; n <= ImageCount; ++n) {
        // Each language in turn, for the default texts of the empty images.
        state.Language.SetSelectedLanguage(static_cast<MessageLanguage>((n - 1) % LanguageCount));
        state.SelectImage(n);
        const RenderOutcome outcome = RenderCurrentImage(state, renderer);
        if (outcome.LineCount != 1 && outcome.LineCount != 2) Fail("a render has no line count");
        if (renderer.Preview().isNull()) Fail("a render left no preview");
        if (outcome.Blinks || outcome.Scrolls) {
            // Another frame of the animation: blanked, scrolled on by the record's own byte.
            state.BlinkPhase = true;
            state.ScrollPosition = state.CurrentRecord().Reserved0;
            RenderCurrentImage(state, renderer);
            state.BlinkPhase = false;
            state.ScrollPosition = 0;
        }
        renderer.DefaultVerticalOffset(state.CurrentRecord());
    }
    CheckCommandSizes(*state.Set);
    return 0;
}
