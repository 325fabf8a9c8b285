#pragma once
#include <QString>
#include <memory>

#include "CommandEncoder.h"
#include "ImageSet.h"

namespace zozavud::test {

// Record 1 of nothing but blank dots, flags clear, ImageNo 1.
ImageRecord BlankRecord();
// Lit dots at (0,0), (9,1), (255,24), (100,12); unlit colours elsewhere in the picture.
ImageRecord HandMadeRecord();
// A document from printer/golden/, or null when it cannot be read.
std::unique_ptr<ImageSet> LoadGoldenDocument(const QString& name);
QString GoldenPath(const QString& name);

// The register-all entry of image n: what a slot the printer holds gives back.
inline QByteArray RegisteredEntry(const ImageSet& set, int n) {
    return BuildRegisterAllImagesCommand(set).mid(38 + (n - 1) * ImageEntrySize, ImageEntrySize);
}

}  // namespace zozavud::test
