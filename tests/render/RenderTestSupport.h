#pragma once
#include <algorithm>
#include <cstring>

#include "EditorState.h"
#include "ImageReset.h"
#include "LcdRenderer.h"
#include "RecordRender.h"

namespace zozavud::test {

// A fresh set as the editor makes it at start-up, in English.
inline void MakeFreshSet(EditorState& state, LcdRenderer& renderer, uint32_t locale = 0x0409) {
    state.Language.InitLanguage(locale);
    RebuildImageSet(state, renderer, [&] { RenderCurrentImage(state, renderer); });
}

struct LitBounds {
    int Count = 0, Left = 256, Right = -1, Top = 25, Bottom = -1;
};

inline LitBounds Bounds(const ImageRecord& record) {
    LitBounds b;
    for (int x = 0; x < LcdColumns; ++x)
        for (int y = 0; y < LcdRows; ++y)
            if (IsPixelOn(record.RenderedData[LayerIndex(x, y)])) {
                ++b.Count;
                b.Left = std::min(b.Left, x);
                b.Right = std::max(b.Right, x);
                b.Top = std::min(b.Top, y);
                b.Bottom = std::max(b.Bottom, y);
            }
    return b;
}

}  // namespace zozavud::test
