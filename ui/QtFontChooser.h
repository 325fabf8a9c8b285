#pragma once
#include <QFontDatabase>
#include <optional>

#include "RecordFont.h"

namespace zozavud {

// The Windows charset code for a writing system the font dialog offers; nullopt for
// systems that have no charset of their own ("Any" keeps the font's charset).
std::optional<uint8_t> CharsetForWritingSystem(QFontDatabase::WritingSystem system);
QFontDatabase::WritingSystem WritingSystemForCharset(uint8_t charset);

}  // namespace zozavud
