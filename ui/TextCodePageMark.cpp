#include "TextCodePageMark.h"

#include <QLineEdit>
#include <QPalette>

#include "CharsetNames.h"
#include "CodePage.h"

namespace zozavud {

void MarkUnstorableText(QLineEdit& box, uint8_t charset) {
    const QStringList lost = LostCharacters(box.text(), charset);
    const QString missing = lost.join(QString());
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
    QString stored;
    for (const QString& character : lost) stored += StoredForm(character, charset);
    box.setToolTip(QStringLiteral("The %1 code page cannot store %2: the picture shows \"%3\" instead.")
                       .arg(QString::fromLatin1(CharsetName(charset)), missing, stored));
    box.setProperty("UnstorableMarked", true);
}

}  // namespace zozavud
