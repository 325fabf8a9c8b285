#pragma once
// Finding the version block inside an executable's bytes: a PE file's version resource
// or the ELF section that our build embeds.

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace zozavud {

// The version block of a PE or ELF file (a view into fileBytes, trimmed to the block's
// own length), or nullopt when there is none. Any bytes at all are safe to pass.
std::optional<QByteArrayView> FindVersionBlock(QByteArrayView fileBytes);
// The result points into its argument, so a temporary array would leave it dangling.
std::optional<QByteArrayView> FindVersionBlock(QByteArray&& fileBytes) = delete;

// The parts, for the two formats. Each gives the raw resource or section bytes.
std::optional<QByteArrayView> FindPeVersionResource(QByteArrayView fileBytes);
std::optional<QByteArrayView> FindElfVersionSection(QByteArrayView fileBytes);

// data trimmed to the root node's wLength when it starts with a version block's root.
std::optional<QByteArrayView> TrimToVersionBlock(QByteArrayView data);
std::optional<QByteArrayView> TrimToVersionBlock(QByteArray&& data) = delete;

}  // namespace zozavud
