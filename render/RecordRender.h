#pragma once
#include "EditorState.h"
#include "LcdRenderer.h"

namespace zozavud {

// Renders the current image of the state as the editor does without its window.
RenderOutcome RenderCurrentImage(EditorState& state, LcdRenderer& renderer);

}  // namespace zozavud
