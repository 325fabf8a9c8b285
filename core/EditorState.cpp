#include "EditorState.h"

#include <algorithm>

namespace zozavud {

EditorState::EditorState() : Set(std::make_unique<ImageSet>()) {}

void EditorState::SelectImage(int n) {
    CurrentImage = std::clamp(n, 1, ImageCount);
    CurrentRecord().ImageNo = static_cast<uint8_t>(CurrentImage);
}

}  // namespace zozavud
