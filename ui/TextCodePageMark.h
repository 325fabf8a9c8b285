#pragma once
// Marks a text box that holds characters the image's code page cannot store: they turn
// into look-alikes or "?" in the picture, so the box says which ones while it holds them.

#include <cstdint>

class QLineEdit;

namespace zozavud {

// A warning colour and a tooltip naming the characters the code page cannot hold (as
// LostCharacters finds them); both go again once the box holds only characters it stores.
void MarkUnstorableText(QLineEdit& box, uint8_t charset);

}  // namespace zozavud
