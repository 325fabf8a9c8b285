#pragma once
// Reads a command file or a captured print job back: every command in it, in order,
// checked against the layouts the encoder writes. Nothing here trusts the input.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "CommandEncoder.h"

namespace zozavud {

struct InspectionProblem {
    int64_t Offset = 0;  // from the first byte of the data
    QString Message;
};

struct InspectedEntry {
    int64_t Offset = 0;
    uint8_t Index = 0;  // image number - 1 when valid
    uint8_t Blink = 0;
    uint8_t Scroll = 0;
    bool Complete = false;  // all 1031 bytes present
    PixelBlock Pixels{};    // zero past the bytes present
};

enum class InspectedKind { Register, Delete, DeleteAll, Unknown };

struct InspectedCommand {
    int64_t Offset = 0;
    InspectedKind Kind = InspectedKind::Unknown;
    uint32_t BodyLength = 0;              // as the length field says
    std::vector<InspectedEntry> Entries;  // Register only
    std::optional<uint8_t> DeleteIndex;   // Delete only
};

struct Inspection {
    std::vector<InspectedCommand> Commands;
    std::vector<InspectionProblem> Problems;
    bool Clean() const { return Problems.empty(); }
};

Inspection InspectCommands(const QByteArray& data);

// What the printer holds after the commands, in order: registrations replace each
// other, deletions remove them. Indexes 0..18; an entry only when registered.
struct RegisteredPictures {
    std::optional<InspectedEntry> Slots[ImageCount];
};
RegisteredPictures ReplayCommands(const Inspection& inspection);

QString InspectedKindName(InspectedKind kind);

}  // namespace zozavud
