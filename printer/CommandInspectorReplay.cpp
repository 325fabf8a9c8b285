#include "CommandInspector.h"

namespace zozavud {

RegisteredPictures ReplayCommands(const Inspection& inspection) {
    RegisteredPictures held;
    for (const InspectedCommand& command : inspection.Commands) {
        switch (command.Kind) {
            case InspectedKind::Register:
                for (const InspectedEntry& entry : command.Entries)
                    if (entry.Complete && entry.Index < ImageCount) held.Slots[entry.Index] = entry;
                break;
            case InspectedKind::Delete:
                if (command.DeleteIndex && *command.DeleteIndex < ImageCount)
                    held.Slots[*command.DeleteIndex].reset();
                break;
            case InspectedKind::DeleteAll:
                for (auto& slot : held.Slots) slot.reset();
                break;
            case InspectedKind::Unknown: break;
        }
    }
    return held;
}

QString InspectedKindName(InspectedKind kind) {
    switch (kind) {
        case InspectedKind::Register: return "register";
        case InspectedKind::Delete: return "delete";
        case InspectedKind::DeleteAll: return "delete-all";
        case InspectedKind::Unknown: return "unknown";
    }
    return "unknown";
}

}  // namespace zozavud
