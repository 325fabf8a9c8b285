#pragma once
// The printer commands, built byte for byte from the image set by their layouts in
// CommandLayout.h. Nothing here renders: each image is packed from its RenderedData as
// it stands.

#include <QByteArray>
#include <array>
#include <cstdint>

#include "CommandLayout.h"
#include "ImageSet.h"
#include "PixelBlock.h"

namespace zozavud {

// Row y, column x is bit 7 - x % 8 of byte 32 * y + x / 8; rows 25..31 stay zero.
PixelBlock PackImagePixels(const ImageRecord& record);

// Scroll wins over blink: no entry carries both.
struct EntryBytes {
    uint8_t Blink;
    uint8_t Scroll;
};
EntryBytes EntryAttributes(const ImageRecord& record);

// Slot index taken from the record's ImageNo, which the editor rewrites whenever an
// image becomes current.
QByteArray BuildRegisterImageCommand(const ImageRecord& current);
QByteArray BuildRegisterAllImagesCommand(const ImageSet& set);
QByteArray BuildDeleteImageCommand(const ImageRecord& current);
QByteArray BuildDeleteAllImagesCommand();

// The byte size of a command of this kind.
int CommandSize(CommandKind kind);

// Picks the builder. For the kinds that need one, currentImage (1..19) names the
// image and also gives the slot index, whatever a loaded record's ImageNo says.
// An out-of-range currentImage for those kinds gives an empty array.
QByteArray BuildCommand(CommandKind kind, const ImageSet& set, int currentImage);

}  // namespace zozavud
