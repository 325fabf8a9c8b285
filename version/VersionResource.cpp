#include "VersionResource.h"

#include <QList>
#include <algorithm>

#include "VersionResourceBytes.h"
#include "VersionSection.h"

namespace zozavud {

namespace {

using namespace versionbytes;

constexpr uint64_t NodeHeaderSize = 6;
constexpr uint16_t TextType = 1;

uint64_t Align4(uint64_t offset) { return (offset + 3) & ~uint64_t{3}; }

struct Node {
    uint64_t End = 0;  // clamped to the parent's end
    uint16_t ValueLength = 0;
    uint16_t Type = 0;
    QString Key;
    uint64_t ValueStart = 0;
    uint64_t ValueBytes = 0;  // what the node really holds of the value
    uint64_t ChildrenStart = 0;
};

std::optional<Node> ReadNode(QByteArrayView block, uint64_t start, uint64_t limit) {
    if (start > limit || limit - start < NodeHeaderSize) return std::nullopt;
    const auto length = ReadU16(block, start);
    const auto valueLength = ReadU16(block, start + 2);
    const auto type = ReadU16(block, start + 4);
    // A length shorter than the header would stall the walk over the siblings.
    if (!length || !valueLength || !type || *length < NodeHeaderSize) return std::nullopt;

    Node node;
    node.End = std::min<uint64_t>(start + *length, limit);
    node.ValueLength = *valueLength;
    node.Type = *type;
    uint64_t pos = start + NodeHeaderSize;
    bool terminated = false;
    while (pos + 2 <= node.End) {
        const uint16_t unit = *ReadU16(block, pos);
        pos += 2;
        if (unit == 0) {
            terminated = true;
            break;
        }
        node.Key.append(QChar(unit));
    }
    if (!terminated) return std::nullopt;

    node.ValueStart = Align4(pos);
    const uint64_t declared = node.Type == TextType ? 2 * uint64_t{node.ValueLength} : node.ValueLength;
    node.ValueBytes = node.ValueStart < node.End ? std::min(declared, node.End - node.ValueStart) : 0;
    node.ChildrenStart = Align4(node.ValueStart + declared);
    return node;
}

bool KeyMatches(const QString& key, QStringView wanted) {
    return QStringView(key).compare(wanted, Qt::CaseInsensitive) == 0;
}

std::optional<Node> FindChild(QByteArrayView block, const Node& parent, QStringView wanted) {
    uint64_t pos = parent.ChildrenStart;
    // Each step moves on by at least 8 bytes, so the walk ends.
    while (pos < parent.End) {
        const uint64_t start = pos;
        const auto child = ReadNode(block, start, parent.End);
        if (!child) return std::nullopt;
        if (KeyMatches(child->Key, wanted)) return child;
        pos = Align4(start + *ReadU16(block, start));
    }
    return std::nullopt;
}

}  // namespace

std::optional<VersionValue> QueryVersionValue(QByteArrayView block, QStringView path) {
    auto node = ReadNode(block, 0, static_cast<uint64_t>(block.size()));
    if (!node || !KeyMatches(node->Key, QString::fromLatin1(VersionRootKey))) return std::nullopt;
    for (QStringView part : path.split(u'\\', Qt::SkipEmptyParts)) {
        node = FindChild(block, *node, part);
        if (!node) return std::nullopt;
    }
    VersionValue value;
    value.Length = node->ValueLength;
    value.IsText = node->Type == TextType;
    if (node->ValueBytes > 0)
        value.Data =
            block.sliced(static_cast<qsizetype>(node->ValueStart), static_cast<qsizetype>(node->ValueBytes))
                .toByteArray();
    return value;
}

QString VersionValueText(const VersionValue& value) {
    QString text;
    const QByteArrayView data(value.Data);
    for (qsizetype pos = 0; pos + 2 <= data.size(); pos += 2) {
        const uint16_t unit = *ReadU16(data, static_cast<uint64_t>(pos));
        if (unit == 0) break;
        text.append(QChar(unit));
    }
    return text;
}

std::optional<FixedFileInfo> ParseFixedFileInfo(const VersionValue& value) {
    const QByteArrayView data(value.Data);
    if (data.size() < FixedFileInfoSize) return std::nullopt;
    uint32_t fields[FixedFileInfoSize / 4];
    for (int i = 0; i < FixedFileInfoSize / 4; ++i) fields[i] = *ReadU32(data, 4 * uint64_t(i));
    if (fields[0] != FixedFileInfoSignature) return std::nullopt;
    return FixedFileInfo{fields[0], fields[1], fields[2], fields[3],  fields[4],  fields[5], fields[6],
                         fields[7], fields[8], fields[9], fields[10], fields[11], fields[12]};
}

QString FormatFixedVersion(uint32_t mostSignificant, uint32_t leastSignificant) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(mostSignificant >> 16)
        .arg(mostSignificant & 0xFFFF)
        .arg(leastSignificant >> 16)
        .arg(leastSignificant & 0xFFFF);
}

std::vector<VersionTranslation> ParseTranslations(const VersionValue& value) {
    std::vector<VersionTranslation> translations;
    const QByteArrayView data(value.Data);
    for (qsizetype pos = 0; pos + 4 <= data.size(); pos += 4)
        translations.push_back(
            {*ReadU16(data, static_cast<uint64_t>(pos)), *ReadU16(data, static_cast<uint64_t>(pos + 2))});
    return translations;
}

}  // namespace zozavud
