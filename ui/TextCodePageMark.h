#pragma once
// Marks a text box that holds characters the image's code page cannot store: they turn
// into look-alikes or "?" in the picture, so the box says which ones while it holds them.

#include <QRgb>
#include <cstdint>

class QLineEdit;

namespace zozavud {

// The background of a control that warns: light amber, readable under black text and
// unlike the window's own colours.
inline constexpr QRgb WarningBase = 0xFFFFE0A0;

// A warning colour and a tooltip naming the characters the code page cannot hold (as
// LostCharacters finds them); both go again once the box holds only characters it stores.
void MarkUnstorableText(QLineEdit& box, uint8_t charset);

}  // namespace zozavud
