#pragma once
// Each printer command kind, described once: the encoder writes from this table, the
// audit reads commands back by it, the emulator applies them by it, and the tool and the
// window name them from it. A new kind is a new row (and a new CommandKind value).

#include <QString>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>

#include "ImageSet.h"
#include "PixelBlock.h"

namespace zozavud {

// The row order of CommandLayouts; the window's actions carry these values as tags.
enum class CommandKind { RegisterImage, RegisterAllImages, DeleteImage, DeleteAllImages };

// Every command: the lead-in, GS ( y, "LCD" and seven spaces, ten spaces, and the body
// length in 4 bytes, low byte first. The body starts with the two function bytes.
inline constexpr int CommandLeadInSize = 9;
inline constexpr int CommandHeaderSize = 27;
inline constexpr int CommandPrefixSize = CommandLeadInSize + CommandHeaderSize;  // 36
inline constexpr int CommandLengthOffset = CommandPrefixSize - 4;                // 32
inline constexpr uint8_t CommandLeadIn[CommandLeadInSize] = {0x12, 0x14, 0x05, 0x2A, 0x3D,
                                                             0x21, 0x3F, 0x25, 0x23};
// The header up to its length field.
inline constexpr char CommandHeaderText[CommandHeaderSize - 4 + 1] = "\x1D(yLCD                 ";
inline constexpr int CommandFunctionSize = 2;

// An entry: image index, blink, scroll, the row geometry, then the 32 x 32 dot block.
inline constexpr int ImageEntrySize = 7 + PixelBlockSize;  // 1031
inline constexpr uint8_t ImageEntryGeometry[4] = {PixelBlockRowBytes, 0, PixelBlockRows, 0};

enum class CommandBody {
    Entries,    // picture entries, each stored in the slot its index names
    SlotIndex,  // one image index byte: that slot is cleared
    AllSlots,   // a fixed text: every slot is cleared
};

struct CommandLayout {
    CommandKind Kind;
    char Code[CommandFunctionSize];  // the function bytes
    CommandBody Body;
    int Entries;           // Entries: how many the encoder writes (a printer takes 1..19)
    const char* Text;      // AllSlots: the bytes after the function code
    bool NeedsImage;       // the current image is its slot
    const char* Word;      // the tool's word for it
    const char* Name;      // the audit's and the emulator log's name, one per function code
    const char* FileName;  // the default command file name; %1 is the image number, two digits

    constexpr int BodySize() const {
        switch (Body) {
            case CommandBody::Entries:
                return CommandFunctionSize + Entries * ImageEntrySize;
            case CommandBody::SlotIndex:
                return CommandFunctionSize + 1;
            case CommandBody::AllSlots:
                return CommandFunctionSize + static_cast<int>(std::char_traits<char>::length(Text));
        }
        return 0;
    }
    constexpr int CommandSize() const { return CommandPrefixSize + BodySize(); }
};

// clang-format off
inline constexpr CommandLayout CommandLayouts[] = {
    // kind, function, body, entries, text, needs image, tool word, audit name, file name
    {CommandKind::RegisterImage,     {'0', 'p'}, CommandBody::Entries,   1,          "",    true,
     "register",     "register",   "regist_%1.prn"},
    {CommandKind::RegisterAllImages, {'0', 'p'}, CommandBody::Entries,   ImageCount, "",    false,
     "register-all", "register",   "regist_all.prn"},
    {CommandKind::DeleteImage,       {'0', 'B'}, CommandBody::SlotIndex, 0,          "",    true,
     "delete",       "delete",     "delete_%1.prn"},
    {CommandKind::DeleteAllImages,   {'0', 'A'}, CommandBody::AllSlots,  0,          "CLR", false,
     "delete-all",   "delete-all", "delete_all.prn"},
};
// clang-format on
inline constexpr int CommandKindCount = static_cast<int>(std::size(CommandLayouts));

constexpr const CommandLayout& LayoutOf(CommandKind kind) { return CommandLayouts[static_cast<int>(kind)]; }

constexpr bool RowsInKindOrder() {
    for (int i = 0; i < CommandKindCount; ++i)
        if (static_cast<int>(CommandLayouts[i].Kind) != i) return false;
    return true;
}
static_assert(RowsInKindOrder());

// A register command carries 1..19 entries, whichever kind wrote it.
inline constexpr int MaxCommandEntries = ImageCount;

inline constexpr int RegisterImageCommandSize = LayoutOf(CommandKind::RegisterImage).CommandSize();
inline constexpr int RegisterAllImagesCommandSize = LayoutOf(CommandKind::RegisterAllImages).CommandSize();
inline constexpr int DeleteImageCommandSize = LayoutOf(CommandKind::DeleteImage).CommandSize();
inline constexpr int DeleteAllImagesCommandSize = LayoutOf(CommandKind::DeleteAllImages).CommandSize();
static_assert(RegisterImageCommandSize == 1069 && RegisterAllImagesCommandSize == 19627);
static_assert(DeleteImageCommandSize == 39 && DeleteAllImagesCommandSize == 41);

// The first kind with these function bytes (a register command reads as RegisterImage
// until its entries are counted); none for an unknown code.
std::optional<CommandKind> KindOfFunction(uint8_t first, uint8_t second);

// A command of that function carrying this many entries: the row of the function that
// writes as many, else the function's first row.
CommandKind KindOfEntries(CommandKind function, int entries);

// The audit's name of the kind; "unknown" for none.
QString KindName(const std::optional<CommandKind>& kind);

// "regist_07.prn", "regist_all.prn", "delete_07.prn", "delete_all.prn".
QString DefaultCommandFileName(CommandKind kind, int imageNo);

}  // namespace zozavud
