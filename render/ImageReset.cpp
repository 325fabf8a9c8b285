#include "ImageReset.h"

#include <algorithm>
#include <cstring>

#include "LcdRenderer.h"
#include "ShortString.h"

namespace zozavud {

void ResetImageRecord(ImageRecord& record, const LanguageState& language, LcdRenderer& renderer) {
    record.Text1.Length = 0;
    record.Text2.Length = 0;
    record.FontCharset = language.MessageCharset;
    record.FontColor = ColorWindowText;
    record.FontHeight = -12;
    StoreShortString(record.FontName, language.MessageFontName);
    record.FontStyle = 0;
    record.Blink = 0;
    record.Scroll = 0;
    record.WideBitmap = 0;
    record.VerticalPositionOffset = renderer.DefaultVerticalOffset(record);
    std::fill(std::begin(record.BitmapData), std::end(record.BitmapData), ColorBlank);
    std::fill(std::begin(record.RenderedData), std::end(record.RenderedData), ColorBlank);
}

void RebuildImageSet(EditorState& state, LcdRenderer& renderer, const std::function<void()>& renderCurrent) {
    std::memset(state.Set.get(), 0, sizeof(ImageSet));
    std::memcpy(state.Set->Signature, "LCD1", 4);
    for (int n = 1; n <= ImageCount; ++n) {
        ImageRecord& record = state.Set->Record(n);
        record.Marker[0] = 'A';
        record.Marker[1] = 'A';
        record.ImageNo = static_cast<uint8_t>(n);
        ResetImageRecord(record, state.Language, renderer);
        state.SelectImage(n);
        renderCurrent();
    }
}

}  // namespace zozavud
