#include "RecordRender.h"

namespace zozavud {

RenderOutcome RenderCurrentImage(EditorState& state, LcdRenderer& renderer) {
    RenderContext context;
    context.Language = state.Language.EffectiveLanguage();
    context.ScrollPosition = state.ScrollPosition;
    context.BlinkPhase = state.BlinkPhase;
    return renderer.Render(state.CurrentRecord(), context);
}

}  // namespace zozavud
