#include "QtFontChooser.h"

namespace zozavud {

namespace {

struct WritingSystemCharset {
    QFontDatabase::WritingSystem System;
    uint8_t Charset;
};

constexpr WritingSystemCharset WritingSystemCharsets[] = {
    {QFontDatabase::Latin, 0},
    {QFontDatabase::Japanese, 128},
    {QFontDatabase::SimplifiedChinese, 134},
    {QFontDatabase::Korean, 129},
    {QFontDatabase::TraditionalChinese, 136},
    {QFontDatabase::Greek, 161},
    {QFontDatabase::Vietnamese, 163},
    {QFontDatabase::Hebrew, 177},
    {QFontDatabase::Arabic, 178},
    {QFontDatabase::Cyrillic, 204},
    {QFontDatabase::Thai, 222},
};

}  // namespace

std::optional<uint8_t> CharsetForWritingSystem(QFontDatabase::WritingSystem system) {
    for (const WritingSystemCharset& entry : WritingSystemCharsets)
        if (entry.System == system) return entry.Charset;
    return std::nullopt;
}

QFontDatabase::WritingSystem WritingSystemForCharset(uint8_t charset) {
    for (const WritingSystemCharset& entry : WritingSystemCharsets)
        if (entry.Charset == charset) return entry.System;
    return QFontDatabase::Any;
}

}  // namespace zozavud
