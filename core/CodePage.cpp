#include "CodePage.h"

#include "CharsetNames.h"
#include "CodePageTable.h"

namespace zozavud {

namespace {

const CodePageTable& TableFor(uint8_t charset) {
    const CodePageTable* table = CodePageTable::System(CharsetCodePage(charset));
    return table ? *table : *CodePageTable::System(1252);
}

// 2 for a whole surrogate pair at i, else 1.
qsizetype CodePointWidth(const QString& text, qsizetype i) {
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

void AppendBytes(QByteArray& out, uint16_t bytes) {
    if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
    out += static_cast<char>(bytes & 0xFF);
}

// The platform writes each UTF-16 code unit by itself.
QByteArray EncodeCodePoint(const CodePageTable& table, QStringView codePoint) {
    QByteArray bytes;
    for (const QChar unit : codePoint) AppendBytes(bytes, table.Write(unit.unicode()));
    return bytes;
}

// A lead byte followed by any byte but 0 is one pair; a lead byte at the end, or before a
// 0, reads as the default character alone.
template <typename Visit>
void ForEachSequence(const CodePageTable& table, const QByteArray& bytes, Visit visit) {
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<uint8_t>(bytes[i]);
        if (!table.IsLeadByte(byte)) {
            visit(byte, table.Read(byte), false);
            ++i;
        } else if (i + 1 < bytes.size() && bytes[i + 1] != 0) {
            const auto trail = static_cast<uint8_t>(bytes[i + 1]);
            visit(static_cast<uint16_t>(byte << 8 | trail), table.Read(byte, trail), true);
            i += 2;
        } else {
            visit(byte, table.DefaultChar(), true);
            ++i;
        }
    }
}

QString Decode(const CodePageTable& table, const QByteArray& bytes) {
    QString result;
    result.reserve(bytes.size());
    ForEachSequence(table, bytes, [&result](uint16_t, char16_t unit, bool) { result += QChar(unit); });
    return result;
}

// As the platform's strict conversion finds it: the default character read from other
// bytes than its own, a lead byte alone, or a single byte that only a private-use
// character stands for.
bool IsUndefined(const CodePageTable& table, uint16_t sequence, char16_t unit, bool fromLeadByte) {
    if (unit == table.DefaultChar() && sequence != table.DefaultCharBytes()) return true;
    if (fromLeadByte) return sequence <= 0xFF;
    return unit >= 0xE000 && unit <= 0xF8FF;
}

}  // namespace

QByteArray EncodeText(const QString& text, uint8_t charset, int maxBytes) {
    const CodePageTable& table = TableFor(charset);
    QByteArray result;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = CodePointWidth(text, i);
        const QByteArray bytes = EncodeCodePoint(table, QStringView(text).mid(i, width));
        if (result.size() + bytes.size() > maxBytes) break;
        result += bytes;
        i += width;
    }
    return result;
}

QByteArray EncodeTextKeeping(const QString& text, const QByteArray& stored, uint8_t charset) {
    return DecodeText(stored, charset) == text ? stored : EncodeText(text, charset);
}

QString DecodeText(const QByteArray& bytes, uint8_t charset) { return Decode(TableFor(charset), bytes); }

QString StoredForm(const QString& character, uint8_t charset) {
    const CodePageTable& table = TableFor(charset);
    return Decode(table, EncodeCodePoint(table, character));
}

QStringList LostCharacters(const QString& text, uint8_t charset) {
    const CodePageTable& table = TableFor(charset);
    QStringList lost;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = CodePointWidth(text, i);
        const QString character = text.mid(i, width);
        i += width;
        if (lost.contains(character)) continue;
        // Read back what would be stored: a "?" or a look-alike is not the character.
        if (Decode(table, EncodeCodePoint(table, character)) != character) lost << character;
    }
    return lost;
}

QStringList UndefinedByteCharacters(const QByteArray& bytes, uint8_t charset) {
    const CodePageTable& table = TableFor(charset);
    QStringList found;
    ForEachSequence(table, bytes, [&](uint16_t sequence, char16_t unit, bool fromLeadByte) {
        const QString character(QChar{unit});
        if (IsUndefined(table, sequence, unit, fromLeadByte) && !found.contains(character))
            found << character;
    });
    return found;
}

}  // namespace zozavud
