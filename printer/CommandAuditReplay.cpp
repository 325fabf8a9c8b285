#include "CommandAudit.h"

namespace zozavud {

std::optional<CommandBody> BodyOf(const AuditedCommand& command) {
    if (!command.Kind) return std::nullopt;
    return LayoutOf(*command.Kind).Body;
}

void ReplayCommand(const AuditedCommand& command, RegisteredPictures& held) {
    const std::optional<CommandBody> body = BodyOf(command);
    if (!body) return;
    switch (*body) {
        case CommandBody::Entries:
            for (const AuditedEntry& entry : command.Entries)
                if (entry.Complete && entry.Index < ImageCount) held.Slots[entry.Index] = entry;
            break;
        case CommandBody::SlotIndex:
            if (command.DeleteIndex && *command.DeleteIndex < ImageCount)
                held.Slots[*command.DeleteIndex].reset();
            break;
        case CommandBody::AllSlots:
            for (auto& slot : held.Slots) slot.reset();
            break;
    }
}

// Replayed while auditing, so that it covers the commands the audit did not keep.
RegisteredPictures ReplayCommands(const Audit& audit) { return audit.Held; }

}  // namespace zozavud
