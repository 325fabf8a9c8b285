#include "CommandAudit.h"

namespace zozavud {

void ReplayCommand(const AuditedCommand& command, RegisteredPictures& held) {
    switch (command.Kind) {
        case AuditedKind::Register:
            for (const AuditedEntry& entry : command.Entries)
                if (entry.Complete && entry.Index < ImageCount) held.Slots[entry.Index] = entry;
            break;
        case AuditedKind::Delete:
            if (command.DeleteIndex && *command.DeleteIndex < ImageCount)
                held.Slots[*command.DeleteIndex].reset();
            break;
        case AuditedKind::DeleteAll:
            for (auto& slot : held.Slots) slot.reset();
            break;
        case AuditedKind::Unknown:
            break;
    }
}

// Replayed while auditing, so that it covers the commands the audit did not keep.
RegisteredPictures ReplayCommands(const Audit& audit) { return audit.Held; }

QString AuditedKindName(AuditedKind kind) {
    switch (kind) {
        case AuditedKind::Register:
            return "register";
        case AuditedKind::Delete:
            return "delete";
        case AuditedKind::DeleteAll:
            return "delete-all";
        case AuditedKind::Unknown:
            return "unknown";
    }
    return "unknown";
}

}  // namespace zozavud
