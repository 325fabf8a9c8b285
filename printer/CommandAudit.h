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

struct AuditProblem {
    int64_t Offset = 0;  // from the first byte of the data
    QString Message;
};

struct AuditedEntry {
    int64_t Offset = 0;
    uint8_t Index = 0;  // image number - 1 when valid
    uint8_t Blink = 0;
    uint8_t Scroll = 0;
    bool Complete = false;  // all 1031 bytes present
    PixelBlock Pixels{};    // zero past the bytes present
};

enum class AuditedKind { Register, Delete, DeleteAll, Unknown };

struct AuditedCommand {
    int64_t Offset = 0;
    AuditedKind Kind = AuditedKind::Unknown;
    uint32_t BodyLength = 0;              // as the length field says
    std::vector<AuditedEntry> Entries;  // Register only
    std::optional<uint8_t> DeleteIndex;   // Delete only
};

struct Audit {
    std::vector<AuditedCommand> Commands;
    std::vector<AuditProblem> Problems;
    bool Clean() const { return Problems.empty(); }
};

Audit AuditCommands(const QByteArray& data);

// What the printer holds after the commands, in order: registrations replace each
// other, deletions remove them. Indexes 0..18; an entry only when registered.
struct RegisteredPictures {
    std::optional<AuditedEntry> Slots[ImageCount];
};
RegisteredPictures ReplayCommands(const Audit& audit);

QString AuditedKindName(AuditedKind kind);

}  // namespace zozavud
