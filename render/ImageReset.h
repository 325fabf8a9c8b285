#pragma once
#include <functional>

#include "EditorState.h"
#include "ImageSet.h"
#include "LanguageState.h"

namespace zozavud {

class LcdRenderer;

// Text, font, attributes and both layers back to their defaults; Marker, ImageNo and
// the reserved bytes stay. Does not render.
void ResetImageRecord(ImageRecord& record, const LanguageState& language, LcdRenderer& renderer);

// The data part of the whole-set reset: zero the block, write the signature, then for
// each image in turn write its marker and number, reset it, make it current and render
// it with renderCurrent. Leaves the last image current.
void RebuildImageSet(EditorState& state, LcdRenderer& renderer, const std::function<void()>& renderCurrent);

}  // namespace zozavud
