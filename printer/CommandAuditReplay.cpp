#include "CommandAudit.h"

namespace zozavud {

RegisteredPictures ReplayCommands(const Audit& audit) {
    RegisteredPictures held;
    for (const AuditedCommand& command : audit.Commands) {
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
            case AuditedKind::Unknown: break;
        }
    }
    return held;
}

QString AuditedKindName(AuditedKind kind) {
    switch (kind) {
        case AuditedKind::Register: return "register";
        case AuditedKind::Delete: return "delete";
        case AuditedKind::DeleteAll: return "delete-all";
        case AuditedKind::Unknown: return "unknown";
    }
    return "unknown";
}

}  // namespace zozavud
