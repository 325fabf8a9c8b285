#include "VersionResourceLocate.h"

#include <algorithm>

#include "VersionResource.h"
#include "VersionResourceBytes.h"

namespace zozavud {

std::optional<QByteArrayView> TrimToVersionBlock(QByteArrayView data) {
    const auto length = versionbytes::ReadU16(data, 0);
    if (!length) return std::nullopt;
    const QByteArrayView block = data.first(std::min<qsizetype>(*length, data.size()));
    // The root query checks the node and its key.
    if (!QueryVersionValue(block, u"\\")) return std::nullopt;
    return block;
}

std::optional<QByteArrayView> FindVersionBlock(QByteArrayView fileBytes) {
    if (fileBytes.startsWith("MZ")) {
        if (const auto resource = FindPeVersionResource(fileBytes)) return TrimToVersionBlock(*resource);
        return std::nullopt;
    }
    if (fileBytes.startsWith("\x7F"
                             "ELF")) {
        if (const auto section = FindElfVersionSection(fileBytes)) return TrimToVersionBlock(*section);
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace zozavud
