#include "CommandEncoder.h"

#include <cstring>

#include "PixelPacking.h"

namespace zozavud {

namespace {

constexpr uint8_t LeadIn[CommandLeadInSize] = {0x12, 0x14, 0x05, 0x2A, 0x3D, 0x21, 0x3F, 0x25, 0x23};
// GS ( y, "LCD" and seven spaces, ten spaces; the 4-byte body length follows.
constexpr char HeaderText[CommandHeaderSize - 4 + 1] = "\x1D(yLCD                 ";
static_assert(sizeof HeaderText - 1 == CommandHeaderSize - 4);

constexpr int RegisterBodySize(int entries) { return 2 + entries * ImageEntrySize; }

uint8_t* Bytes(QByteArray& command) { return reinterpret_cast<uint8_t*>(command.data()); }

// A zero-filled command of its final size with lead-in, header and body length written.
QByteArray StartCommand(int bodySize) {
    QByteArray command(CommandPrefixSize + bodySize, '\0');
    uint8_t* out = Bytes(command);
    std::memcpy(out, LeadIn, CommandLeadInSize);
    std::memcpy(out + CommandLeadInSize, HeaderText, CommandHeaderSize - 4);
    const auto length = static_cast<uint32_t>(bodySize);
    uint8_t* field = out + CommandPrefixSize - 4;
    for (int i = 0; i < 4; ++i) field[i] = static_cast<uint8_t>(length >> (8 * i));
    return command;
}

void WriteEntry(uint8_t* entry, const ImageRecord& record, uint8_t index) {
    const EntryBytes attributes = EntryAttributes(record);
    entry[0] = index;
    entry[1] = attributes.Blink;
    entry[2] = attributes.Scroll;
    entry[3] = PixelBlockRowBytes;
    entry[4] = 0;
    entry[5] = PixelBlockRows;
    entry[6] = 0;
    PackRows(record, entry + 7);  // the command is zero-filled, so rows 25..31 are 0
}

QByteArray RegisterImage(const ImageRecord& record, uint8_t index) {
    QByteArray command = StartCommand(RegisterBodySize(1));
    uint8_t* body = Bytes(command) + CommandPrefixSize;
    body[0] = '0';
    body[1] = 'p';
    WriteEntry(body + 2, record, index);
    return command;
}

QByteArray DeleteImage(uint8_t index) {
    QByteArray command = StartCommand(DeleteImageCommandSize - CommandPrefixSize);
    uint8_t* body = Bytes(command) + CommandPrefixSize;
    body[0] = '0';
    body[1] = 'B';
    body[2] = index;
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
    return RegisterImage(current, static_cast<uint8_t>(current.ImageNo - 1));
}

QByteArray BuildRegisterAllImagesCommand(const ImageSet& set) {
    QByteArray command = StartCommand(RegisterBodySize(ImageCount));
    uint8_t* body = Bytes(command) + CommandPrefixSize;
    body[0] = '0';
    body[1] = 'p';
    for (int n = 1; n <= ImageCount; ++n)
        WriteEntry(body + 2 + (n - 1) * ImageEntrySize, set.Record(n), static_cast<uint8_t>(n - 1));
    return command;
}

QByteArray BuildDeleteImageCommand(const ImageRecord& current) {
    return DeleteImage(static_cast<uint8_t>(current.ImageNo - 1));
}

QByteArray BuildDeleteAllImagesCommand() {
    QByteArray command = StartCommand(DeleteAllImagesCommandSize - CommandPrefixSize);
    std::memcpy(command.data() + CommandPrefixSize, "0ACLR", 5);
    return command;
}

int CommandSize(CommandKind kind) {
    switch (kind) {
        case CommandKind::RegisterImage:
            return RegisterImageCommandSize;
        case CommandKind::RegisterAllImages:
            return RegisterAllImagesCommandSize;
        case CommandKind::DeleteImage:
            return DeleteImageCommandSize;
        case CommandKind::DeleteAllImages:
            return DeleteAllImagesCommandSize;
    }
    return 0;
}

QByteArray BuildCommand(CommandKind kind, const ImageSet& set, int currentImage) {
    const bool needsImage = kind == CommandKind::RegisterImage || kind == CommandKind::DeleteImage;
    if (needsImage && (currentImage < 1 || currentImage > ImageCount)) return {};
    const auto index = static_cast<uint8_t>(currentImage - 1);
    switch (kind) {
        case CommandKind::RegisterImage:
            return RegisterImage(set.Record(currentImage), index);
        case CommandKind::RegisterAllImages:
            return BuildRegisterAllImagesCommand(set);
        case CommandKind::DeleteImage:
            return DeleteImage(index);
        case CommandKind::DeleteAllImages:
            return BuildDeleteAllImagesCommand();
    }
    return {};
}

}  // namespace zozavud
