#include "TextCodePageMark.h"

#include <QLineEdit>
#include <QPalette>

#include "CharsetNames.h"
#include "CodePage.h"

namespace zozavud {

namespace {

// Light amber: readable under black text, and unlike the window's own colours.
constexpr QRgb WarningBase = 0xFFFFE0A0;

}  // namespace

QString UnstorableCharacters(const QString& text, uint8_t charset) {
    QString missing;
    QList<char32_t> seen;
    for (const char32_t codePoint : text.toUcs4()) {
        // Every code page here stores ASCII as it is.
        if (codePoint < 0x80 || seen.contains(codePoint)) continue;
        seen.append(codePoint);
        const QString one = QString::fromUcs4(&codePoint, 1);
        if (DecodeText(EncodeText(one, charset), charset) != one) missing += one;
    }
    return missing;
}

void MarkUnstorableText(QLineEdit& box, uint8_t charset) {
    const QString missing = UnstorableCharacters(box.text(), charset);
    const bool marked = box.property("UnstorableMarked").toBool();
    if (missing.isEmpty()) {
        if (!marked) return;
        box.setPalette(QPalette());
        box.setToolTip(QString());
        box.setProperty("UnstorableMarked", false);
        return;
    }
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(WarningBase));
    box.setPalette(palette);
    box.setToolTip(QStringLiteral("The %1 code page cannot store %2: the picture shows \"?\" instead.")
                       .arg(QString::fromLatin1(CharsetName(charset)), missing));
    box.setProperty("UnstorableMarked", true);
}

}  // namespace zozavud
