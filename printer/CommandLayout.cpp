#include "CommandLayout.h"

namespace zozavud {

std::optional<CommandKind> KindOfFunction(uint8_t first, uint8_t second) {
    for (const CommandLayout& layout : CommandLayouts)
        if (static_cast<uint8_t>(layout.Code[0]) == first && static_cast<uint8_t>(layout.Code[1]) == second)
            return layout.Kind;
    return std::nullopt;
}

CommandKind KindOfEntries(CommandKind function, int entries) {
    const CommandLayout& of = LayoutOf(function);
    for (const CommandLayout& layout : CommandLayouts)
        if (layout.Code[0] == of.Code[0] && layout.Code[1] == of.Code[1] && layout.Entries == entries)
            return layout.Kind;
    return *KindOfFunction(static_cast<uint8_t>(of.Code[0]), static_cast<uint8_t>(of.Code[1]));
}

QString KindName(const std::optional<CommandKind>& kind) {
    return kind ? QString::fromLatin1(LayoutOf(*kind).Name) : QStringLiteral("unknown");
}

QString DefaultCommandFileName(CommandKind kind, int imageNo) {
    const CommandLayout& layout = LayoutOf(kind);
    if (!layout.NeedsImage) return QString::fromLatin1(layout.FileName);
    return QString::fromLatin1(layout.FileName).arg(imageNo, 2, 10, QLatin1Char('0'));
}

}  // namespace zozavud
