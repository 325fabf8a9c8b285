#pragma once
// The font dialog: face, style, size and writing system, with the current image drawn on
// the LCD in the font under the cursor before the choice is confirmed.

#include <QDialog>
#include <QImage>
#include <functional>

#include "RecordFont.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace zozavud {

// Family names once each: the foundry that tells two alike apart ("Sans [urw]") goes.
QStringList FontFamiliesOnce(const QStringList& families);

class TDlgFontChooser : public QDialog {
    Q_OBJECT
public:
    // The LCD preview of the current image drawn with a font.
    using PreviewFunction = std::function<QImage(const FontSpec&)>;

    TDlgFontChooser(const FontSpec& current, int dpi, PreviewFunction preview, QWidget* parent = nullptr);

    // The font as the controls show it: underline, strike-out and colour are the current
    // font's; the height follows the size in points at the screen's pixels per inch.
    FontSpec SelectedFont() const;

    QListWidget* ListFamily = nullptr;
    QListWidget* ListStyle = nullptr;
    QComboBox* ComboSize = nullptr;
    QComboBox* ComboScript = nullptr;
    QLabel* ImagePreview = nullptr;

private:
    void BuildControls();
    void FillFamilies();
    void ShowCurrentFont();
    void UpdatePreview();

    FontSpec current_;
    int dpi_;
    PreviewFunction preview_;
};

// Runs the dialog; nullopt when it is cancelled.
std::optional<FontSpec> ChooseFontWithPreview(QWidget* parent, const FontSpec& current,
                                              const TDlgFontChooser::PreviewFunction& preview);

}  // namespace zozavud
