#pragma once
#include <QString>
#include <memory>

#include "ImageSet.h"

namespace zozavud::test {

// Record 1 of nothing but blank dots, flags clear, ImageNo 1.
ImageRecord BlankRecord();
// Lit dots at (0,0), (9,1), (255,24), (100,12); unlit colours elsewhere in the picture.
ImageRecord HandMadeRecord();
// A document from printer/golden/, or null when it cannot be read.
std::unique_ptr<ImageSet> LoadGoldenDocument(const QString& name);
QString GoldenPath(const QString& name);

}  // namespace zozavud::test
