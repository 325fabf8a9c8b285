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

struct AuditedCommand {
    int64_t Offset = 0;
    // By the function code; a register command of 19 entries is RegisterAllImages, of any
    // other count RegisterImage. None for an unknown code.
    std::optional<CommandKind> Kind;
    uint32_t BodyLength = 0;             // as the length field says
    std::vector<AuditedEntry> Entries;   // CommandBody::Entries only
    std::optional<uint8_t> DeleteIndex;  // CommandBody::SlotIndex only
};

// What the printer holds after the commands, in order: registrations replace each
// other, deletions remove them. Indexes 0..18; an entry only when registered.
struct RegisteredPictures {
    std::optional<AuditedEntry> Slots[ImageCount];
};

// However large or damaged the input, what an audit keeps stays small: the first
// commands and problems in full, the rest only counted.
inline constexpr int AuditKeptCommands = 100;
inline constexpr int AuditKeptProblems = 100;

struct Audit {
    std::vector<AuditedCommand> Commands;  // the first AuditKeptCommands, in order
    int64_t CommandCount = 0;              // all commands found
    std::vector<AuditProblem> Problems;    // the first AuditKeptProblems, in order
    int64_t ProblemCount = 0;              // all problems found
    RegisteredPictures Held;               // after every command, kept or not
    bool Clean() const { return ProblemCount == 0; }
    // One whole, valid command: what a printer would carry out.
    const AuditedCommand* SoleCommand() const {
        return Clean() && CommandCount == 1 ? &Commands.front() : nullptr;
    }
};

// A file holds exactly one command: every further command is a problem at its offset.
Audit AuditCommands(const QByteArray& data);

// Applies one command to what the printer holds.
void ReplayCommand(const AuditedCommand& command, RegisteredPictures& held);
RegisteredPictures ReplayCommands(const Audit& audit);

// The command's body layout, if its kind is known.
std::optional<CommandBody> BodyOf(const AuditedCommand& command);

}  // namespace zozavud
