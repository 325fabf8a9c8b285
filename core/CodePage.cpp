#include "CodePage.h"

#include <unicode/ucnv.h>

#include <memory>

namespace zozavud {

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenConverter(uint8_t charset) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(CodePageForCharset(charset), &status));
    if (U_FAILURE(status) || !converter) {
        status = U_ZERO_ERROR;
        converter.reset(ucnv_open("windows-1252", &status));
    }
    status = U_ZERO_ERROR;
    ucnv_setSubstChars(converter.get(), "?", 1, &status);
    return converter;
}

// Bytes of one code point in the converter's code page ("?" when it has none).
QByteArray EncodeCodePoint(UConverter* converter, const QString& codePoint) {
    char buffer[16];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(converter);
    const int32_t length =
        ucnv_fromUChars(converter, buffer, sizeof buffer, reinterpret_cast<const UChar*>(codePoint.utf16()),
                        static_cast<int32_t>(codePoint.size()), &status);
    if (U_FAILURE(status) || length <= 0) return QByteArray("?");
    return QByteArray(buffer, length);
}

QString DecodeWith(UConverter* converter, const QByteArray& bytes) {
    QString result(bytes.size() * 2 + 2, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetToUnicode(converter);
    const int32_t length =
        ucnv_toUChars(converter, reinterpret_cast<UChar*>(result.data()), static_cast<int32_t>(result.size()),
                      bytes.constData(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) return QString::fromLatin1(bytes);
    result.truncate(length);
    return result;
}

// 2 for a whole surrogate pair at i, else 1.
qsizetype CodePointWidth(const QString& text, qsizetype i) {
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

}  // namespace

const char* CodePageForCharset(uint8_t charset) {
    switch (charset) {
        case 0:
        case 1:
            return "windows-1252";
        case 77:
            return "macintosh";
        case 128:
            return "windows-31j";
        case 129:
            return "windows-949";
        case 134:
            return "windows-936";
        case 136:
            return "windows-950";
        case 161:
            return "windows-1253";
        case 162:
            return "windows-1254";
        case 163:
            return "windows-1258";
        case 177:
            return "windows-1255";
        case 178:
            return "windows-1256";
        case 186:
            return "windows-1257";
        case 204:
            return "windows-1251";
        case 222:
            return "windows-874";
        case 238:
            return "windows-1250";
        case 255:
            return "ibm-437";
        default:
            return "windows-1252";
    }
}

QByteArray EncodeText(const QString& text, uint8_t charset, int maxBytes) {
    Converter converter = OpenConverter(charset);
    QByteArray result;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = CodePointWidth(text, i);
        const QByteArray bytes = EncodeCodePoint(converter.get(), text.mid(i, width));
        if (result.size() + bytes.size() > maxBytes) break;
        result += bytes;
        i += width;
    }
    return result;
}

QString DecodeText(const QByteArray& bytes, uint8_t charset) {
    if (bytes.isEmpty()) return QString();
    Converter converter = OpenConverter(charset);
    return DecodeWith(converter.get(), bytes);
}

QStringList LostCharacters(const QString& text, uint8_t charset) {
    Converter converter = OpenConverter(charset);
    QStringList lost;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = CodePointWidth(text, i);
        const QString character = text.mid(i, width);
        i += width;
        if (lost.contains(character)) continue;
        // Read back what would be stored: a "?" or a look-alike is not the character.
        if (DecodeWith(converter.get(), EncodeCodePoint(converter.get(), character)) != character)
            lost << character;
    }
    return lost;
}

}  // namespace zozavud
