#include "TerminalText.h"

namespace zozavud::cli {

namespace {

bool NeedsEscape(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    switch (c) {
        case 0x061C:  // Arabic letter mark
        case 0x200E:  // left-to-right mark
        case 0x200F:  // right-to-left mark
        case 0x2028:  // line separator
        case 0x2029:  // paragraph separator
            return true;
        default:
            break;
    }
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

QString Escape(char32_t c) {
    switch (c) {
        case '\t':
            return QStringLiteral("\\t");
        case '\n':
            return QStringLiteral("\\n");
        case '\r':
            return QStringLiteral("\\r");
        case 0x1B:
            return QStringLiteral("\\e");
        default:
            break;
    }
    if (c < 0x100) return QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u{%1}").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
}

}  // namespace

QString EscapeForTerminal(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c == '\\')
            out += QStringLiteral("\\\\");
        else if (NeedsEscape(c))
            out += Escape(c);
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QString Quoted(const QString& text) { return '\'' + EscapeForTerminal(text) + '\''; }

QString EscapeJsonForTerminal(const QString& json) {
    QString out;
    out.reserve(json.size());
    for (const char32_t c : json.toUcs4()) {
        // Below U+0020 JSON escapes by itself, and its raw layout blanks must stay.
        if (c >= 0x20 && NeedsEscape(c))
            out += QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QString NameCharacters(const QStringList& characters) {
    QStringList named;
    for (const QString& character : characters) {
        const QList<uint> points = character.toUcs4();
        const uint code = points.isEmpty() ? 0 : points.first();
        named << QStringLiteral("%1 (U+%2)")
                     .arg(Quoted(character),
                          QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper());
    }
    return named.join(QStringLiteral(", "));
}

}  // namespace zozavud::cli
