#include "CommandEncoder.h"

#include <cstring>

#include "PixelPacking.h"

namespace zozavud {

namespace {

uint8_t* Bytes(QByteArray& command) { return reinterpret_cast<uint8_t*>(command.data()); }

// A zero-filled command of its final size with lead-in, header, body length and
// function bytes written.
QByteArray StartCommand(const CommandLayout& layout) {
    const int bodySize = layout.BodySize();
    QByteArray command(CommandPrefixSize + bodySize, '\0');
    uint8_t* out = Bytes(command);
    std::memcpy(out, CommandLeadIn, CommandLeadInSize);
    std::memcpy(out + CommandLeadInSize, CommandHeaderText, CommandHeaderSize - 4);
    const auto length = static_cast<uint32_t>(bodySize);
    uint8_t* field = out + CommandLengthOffset;
    for (int i = 0; i < 4; ++i) field[i] = static_cast<uint8_t>(length >> (8 * i));
    std::memcpy(out + CommandPrefixSize, layout.Code, CommandFunctionSize);
    return command;
}

void WriteEntry(uint8_t* entry, const ImageRecord& record, uint8_t index) {
    const EntryBytes attributes = EntryAttributes(record);
    entry[0] = index;
    entry[1] = attributes.Blink;
    entry[2] = attributes.Scroll;
    std::memcpy(entry + 3, ImageEntryGeometry, sizeof ImageEntryGeometry);
    PackRows(record, entry + 7);  // the command is zero-filled, so rows 25..31 are 0
}

// One entry is the current image in the slot index; more are the set's images 1..n in
// theirs. Only the kinds that need them read current and set.
QByteArray Build(const CommandLayout& layout, const ImageRecord* current, const ImageSet* set,
                 uint8_t index) {
    QByteArray command = StartCommand(layout);
    uint8_t* args = Bytes(command) + CommandPrefixSize + CommandFunctionSize;
    switch (layout.Body) {
        case CommandBody::Entries:
            if (layout.Entries == 1) {
                WriteEntry(args, *current, index);
                break;
            }
            for (int n = 1; n <= layout.Entries; ++n)
                WriteEntry(args + (n - 1) * ImageEntrySize, set->Record(n), static_cast<uint8_t>(n - 1));
            break;
        case CommandBody::SlotIndex:
            args[0] = index;
            break;
        case CommandBody::AllSlots:
            std::memcpy(args, layout.Text, layout.BodySize() - CommandFunctionSize);
            break;
    }
    return command;
}

}  // namespace

PixelBlock PackImagePixels(const ImageRecord& record) {
    PixelBlock block{};
    PackRows(record, block.data());
    return block;
}

EntryBytes EntryAttributes(const ImageRecord& record) {
    const bool scrolls = record.Scroll != 0 || record.WideBitmap != 0;
    const bool blinks = !scrolls && record.Blink != 0;
    return {static_cast<uint8_t>(blinks ? 1 : 0), static_cast<uint8_t>(scrolls ? 1 : 0)};
}

QByteArray BuildRegisterImageCommand(const ImageRecord& current) {
    return Build(LayoutOf(CommandKind::RegisterImage), &current, nullptr,
                 static_cast<uint8_t>(current.ImageNo - 1));
}

QByteArray BuildRegisterAllImagesCommand(const ImageSet& set) {
    return Build(LayoutOf(CommandKind::RegisterAllImages), nullptr, &set, 0);
}

QByteArray BuildDeleteImageCommand(const ImageRecord& current) {
    return Build(LayoutOf(CommandKind::DeleteImage), &current, nullptr,
                 static_cast<uint8_t>(current.ImageNo - 1));
}

QByteArray BuildDeleteAllImagesCommand() {
    return Build(LayoutOf(CommandKind::DeleteAllImages), nullptr, nullptr, 0);
}

int CommandSize(CommandKind kind) { return LayoutOf(kind).CommandSize(); }

QByteArray BuildCommand(CommandKind kind, const ImageSet& set, int currentImage) {
    const CommandLayout& layout = LayoutOf(kind);
    if (layout.NeedsImage && (currentImage < 1 || currentImage > ImageCount)) return {};
    const int slot = layout.NeedsImage ? currentImage : 1;
    return Build(layout, &set.Record(slot), &set, static_cast<uint8_t>(slot - 1));
}

}  // namespace zozavud
