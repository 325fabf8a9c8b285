#include "QtFontChooser.h"

#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QScreen>
#include <QWidget>
#include <cmath>

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

int ScreenDpi(QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : nullptr;
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

QComboBox* WritingSystemCombo(QFontDialog& dialog) {
    const QString latin = QFontDatabase::writingSystemName(QFontDatabase::Latin);
    for (QComboBox* combo : dialog.findChildren<QComboBox*>())
        if (combo->findText(latin) >= 0) return combo;
    return nullptr;
}

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

std::optional<FontSpec> ChooseFontWithDialog(QWidget* parent, const FontSpec& current) {
    const int dpi = ScreenDpi(parent);
    QFont initial(current.Name);
    const int height = current.Height == 0 ? -12 : current.Height;
    initial.setPointSize(std::max(1, static_cast<int>(std::lround(std::abs(height) * 72.0 / dpi))));
    initial.setBold(current.Style & FontStyleBold);
    initial.setItalic(current.Style & FontStyleItalic);

    QFontDialog dialog(initial, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (group->title().contains("Effects", Qt::CaseInsensitive)) group->hide();
    QComboBox* scripts = WritingSystemCombo(dialog);
    if (scripts) {
        const QString name = QFontDatabase::writingSystemName(WritingSystemForCharset(current.Charset));
        if (const int index = scripts->findText(name); index >= 0) scripts->setCurrentIndex(index);
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;

    const QFont chosen = dialog.selectedFont();
    FontSpec result = current;
    result.Name = chosen.family();
    const double points = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : 9.0;
    result.Height = -static_cast<int32_t>(std::lround(points * dpi / 72.0));
    result.Style = static_cast<uint8_t>((current.Style & (FontStyleUnderline | FontStyleStrikeOut)) |
                                        (chosen.bold() ? FontStyleBold : 0) |
                                        (chosen.italic() ? FontStyleItalic : 0));
    if (scripts) {
        for (int ws = QFontDatabase::Any; ws < QFontDatabase::WritingSystemsCount; ++ws) {
            const auto system = static_cast<QFontDatabase::WritingSystem>(ws);
            if (QFontDatabase::writingSystemName(system) == scripts->currentText()) {
                if (const auto charset = CharsetForWritingSystem(system)) result.Charset = *charset;
                break;
            }
        }
    }
    return result;
}

}  // namespace zozavud
