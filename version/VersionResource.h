#pragma once
// Queries into a binary version block (the VS_VERSIONINFO tree): nodes of wLength,
// wValueLength and wType, a NUL-terminated UTF-16LE key, the value and the children,
// each part aligned to 32 bits from the start of the block.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

namespace zozavud {

struct VersionValue {
    // The value's bytes as far as the block holds them (never more than its node).
    QByteArray Data;
    // wValueLength as stored: characters for text values, bytes for binary ones.
    uint16_t Length = 0;
    bool IsText = false;
};

// Looks up a path such as "\", "\VarFileInfo\Translation" or
// "\StringFileInfo\040904E4\CompanyName". Keys match without regard to case; empty path
// parts are skipped, so "\" names the root. nullopt when a part is missing or the block
// is not a version block.
std::optional<VersionValue> QueryVersionValue(QByteArrayView block, QStringView path);

// A text value up to its first NUL (or its end).
QString VersionValueText(const VersionValue& value);

struct FixedFileInfo {
    uint32_t Signature = 0;
    uint32_t StrucVersion = 0;
    uint32_t FileVersionMS = 0;
    uint32_t FileVersionLS = 0;
    uint32_t ProductVersionMS = 0;
    uint32_t ProductVersionLS = 0;
    uint32_t FileFlagsMask = 0;
    uint32_t FileFlags = 0;
    uint32_t FileOS = 0;
    uint32_t FileType = 0;
    uint32_t FileSubtype = 0;
    uint32_t FileDateMS = 0;
    uint32_t FileDateLS = 0;
};

inline constexpr uint32_t FixedFileInfoSignature = 0xFEEF04BD;
inline constexpr int FixedFileInfoSize = 52;

// The root's value read as the fixed part; nullopt when too short or unsigned.
std::optional<FixedFileInfo> ParseFixedFileInfo(const VersionValue& value);

// "1.0.1.28" from a most and least significant version pair.
QString FormatFixedVersion(uint32_t mostSignificant, uint32_t leastSignificant);

struct VersionTranslation {
    uint16_t Language = 0;
    uint16_t CodePage = 0;
};

// The pairs of a "\VarFileInfo\Translation" value; a trailing odd part is ignored.
std::vector<VersionTranslation> ParseTranslations(const VersionValue& value);

}  // namespace zozavud
