#pragma once
#include <QFontDatabase>
#include <optional>

#include "GdiFont.h"

class QWidget;

namespace zozavud {

// The Windows charset code for a writing system the font dialog offers; nullopt for
// systems that have no charset of their own ("Any" keeps the font's charset).
std::optional<uint8_t> CharsetForWritingSystem(QFontDatabase::WritingSystem system);
QFontDatabase::WritingSystem WritingSystemForCharset(uint8_t charset);

// The font dialog for screen fonts without its effects: face, style, size and script.
// Underline, strike-out and colour keep the values the current font holds.
std::optional<FontSpec> ChooseFontWithDialog(QWidget* parent, const FontSpec& current);

}  // namespace zozavud
