// The font dialog's sample: the current image as the LCD would show it in another font.

#include "UnitZozAvudMain.h"

namespace zozavud {

QImage TFormZozAvudMain::FontPreview(const FontSpec& font) {
    if (!fontPreviewRenderer_) fontPreviewRenderer_ = std::make_unique<LcdRenderer>();
    // A copy, so that neither the record nor the window's preview changes before OK.
    ImageRecord record = state_.CurrentRecord();
    StoreChosenFont(record, font, TypedTexts());
    RenderContext context;
    context.Language = state_.Language.EffectiveLanguage();
    fontPreviewRenderer_->Render(record, context);
    return fontPreviewRenderer_->Preview();
}

}  // namespace zozavud
