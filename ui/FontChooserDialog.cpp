#include "FontChooserDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "QtFontChooser.h"

namespace zozavud {

namespace {

const char* const StyleNames[] = {"Regular", "Bold", "Italic", "Bold Italic"};
constexpr int PointSizes[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
// The writing systems that stand for a charset, "Any" first: it keeps the font's charset.
constexpr QFontDatabase::WritingSystem Scripts[] = {
    QFontDatabase::Any,      QFontDatabase::Latin,
    QFontDatabase::Japanese, QFontDatabase::SimplifiedChinese,
    QFontDatabase::Korean,   QFontDatabase::TraditionalChinese,
    QFontDatabase::Greek,    QFontDatabase::Vietnamese,
    QFontDatabase::Hebrew,   QFontDatabase::Arabic,
    QFontDatabase::Cyrillic, QFontDatabase::Thai};

int PointsOf(int32_t height, int dpi) {
    const int pixels = height == 0 ? 12 : std::abs(height);
    return std::max(1, static_cast<int>(std::lround(pixels * 72.0 / dpi)));
}

}  // namespace

QStringList FontFamiliesOnce(const QStringList& families) {
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList names;
    for (QString family : families) names << family.remove(foundry);
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

TDlgFontChooser::TDlgFontChooser(const FontSpec& current, int dpi, PreviewFunction preview, QWidget* parent)
    : QDialog(parent), current_(current), dpi_(dpi > 0 ? dpi : 96), preview_(std::move(preview)) {
    setWindowTitle("Font");
    BuildControls();
    ShowCurrentFont();
    UpdatePreview();
}

void TDlgFontChooser::BuildControls() {
    auto* grid = new QGridLayout;
    ListFamily = new QListWidget(this);
    ListStyle = new QListWidget(this);
    for (const char* name : StyleNames) ListStyle->addItem(name);
    ComboSize = new QComboBox(this);
    ComboSize->setEditable(true);
    ComboSize->setValidator(new QIntValidator(1, 999, ComboSize));
    for (int points : PointSizes) ComboSize->addItem(QString::number(points));
    ComboScript = new QComboBox(this);
    for (QFontDatabase::WritingSystem system : Scripts)
        ComboScript->addItem(QFontDatabase::writingSystemName(system), static_cast<int>(system));
    auto label = [this](const char* text, QWidget* buddy) {
        auto* caption = new QLabel(text, this);
        caption->setBuddy(buddy);
        return caption;
    };
    grid->addWidget(label("&Font:", ListFamily), 0, 0);
    grid->addWidget(label("Font st&yle:", ListStyle), 0, 1);
    grid->addWidget(label("&Size:", ComboSize), 0, 2);
    grid->addWidget(ListFamily, 1, 0, 3, 1);
    grid->addWidget(ListStyle, 1, 1);
    grid->addWidget(ComboSize, 1, 2, Qt::AlignTop);
    grid->addWidget(label("Sc&ript:", ComboScript), 2, 1);
    grid->addWidget(ComboScript, 3, 1, 1, 2, Qt::AlignTop);
    grid->setColumnStretch(0, 2);
    ImagePreview = new QLabel(this);
    ImagePreview->setObjectName("ImagePreview");
    ImagePreview->setAlignment(Qt::AlignCenter);
    ImagePreview->setMinimumSize(256 + 16, 50 + 16);
    ImagePreview->setFrameShape(QFrame::StyledPanel);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel("Sample on the LCD:", this));
    layout->addWidget(ImagePreview);
    layout->addWidget(buttons);
    resize(520, 420);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ListFamily, &QListWidget::currentRowChanged, this, &TDlgFontChooser::UpdatePreview);
    connect(ListStyle, &QListWidget::currentRowChanged, this, &TDlgFontChooser::UpdatePreview);
    connect(ComboSize, &QComboBox::currentTextChanged, this, &TDlgFontChooser::UpdatePreview);
    connect(ComboScript, &QComboBox::currentIndexChanged, this, [this] {
        FillFamilies();
        UpdatePreview();
    });
}

void TDlgFontChooser::FillFamilies() {
    const QString chosen = ListFamily->currentItem() ? ListFamily->currentItem()->text() : current_.Name;
    const auto system = static_cast<QFontDatabase::WritingSystem>(ComboScript->currentData().toInt());
    QStringList names = FontFamiliesOnce(QFontDatabase::families(system));
    // The font the image has stays on offer even where the system lacks it.
    if (!names.contains(chosen, Qt::CaseInsensitive)) names.prepend(chosen);
    const QSignalBlocker blocker(ListFamily);
    ListFamily->clear();
    ListFamily->addItems(names);
    const auto found = ListFamily->findItems(chosen, Qt::MatchFixedString);
    ListFamily->setCurrentItem(found.isEmpty() ? ListFamily->item(0) : found.front());
}

void TDlgFontChooser::ShowCurrentFont() {
    const QSignalBlocker scripts(ComboScript);
    const int script = ComboScript->findData(static_cast<int>(WritingSystemForCharset(current_.Charset)));
    ComboScript->setCurrentIndex(std::max(0, script));
    FillFamilies();
    const QSignalBlocker styles(ListStyle);
    ListStyle->setCurrentRow((current_.Style & FontStyleBold ? 1 : 0) +
                             (current_.Style & FontStyleItalic ? 2 : 0));
    const QSignalBlocker sizes(ComboSize);
    ComboSize->setCurrentText(QString::number(PointsOf(current_.Height, dpi_)));
}

FontSpec TDlgFontChooser::SelectedFont() const {
    FontSpec result = current_;
    if (ListFamily->currentItem()) result.Name = ListFamily->currentItem()->text();
    const int style = std::max(0, ListStyle->currentRow());
    result.Style =
        static_cast<uint8_t>((current_.Style & (FontStyleUnderline | FontStyleStrikeOut)) |
                             ((style & 1) ? FontStyleBold : 0) | ((style & 2) ? FontStyleItalic : 0));
    bool ok = false;
    const int points = ComboSize->currentText().toInt(&ok);
    result.Height = -static_cast<int32_t>(std::lround((ok && points > 0 ? points : 9) * dpi_ / 72.0));
    const auto system = static_cast<QFontDatabase::WritingSystem>(ComboScript->currentData().toInt());
    if (const auto charset = CharsetForWritingSystem(system)) result.Charset = *charset;
    return result;
}

void TDlgFontChooser::UpdatePreview() {
    if (!preview_) return;
    ImagePreview->setPixmap(QPixmap::fromImage(preview_(SelectedFont())));
}

std::optional<FontSpec> ChooseFontWithPreview(QWidget* parent, const FontSpec& current,
                                              const TDlgFontChooser::PreviewFunction& preview) {
    QScreen* screen = parent ? parent->screen() : nullptr;
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    TDlgFontChooser dialog(current, dpi, preview, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedFont();
}

}  // namespace zozavud
