#pragma once
#include <QImage>

#include "Composition.h"

namespace zozavud {

// The visible 128 x 25 dots, k pixels per dot, black on the preview background.
QImage ScaledPreview(const PreviewDots& dots, int k);

}  // namespace zozavud
