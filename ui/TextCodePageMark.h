#pragma once
// Marks a text box that holds characters the image's code page cannot store: they turn
// into "?" in the picture, so the box says which ones while it holds them.

#include <QString>
#include <cstdint>

class QLineEdit;

namespace zozavud {

// The characters of text that the charset's code page cannot store and give back
// unchanged, each once, in the order they first appear.
QString UnstorableCharacters(const QString& text, uint8_t charset);

// A warning colour and a tooltip naming the characters; both go again once the box holds
// only characters the code page stores.
void MarkUnstorableText(QLineEdit& box, uint8_t charset);

}  // namespace zozavud
