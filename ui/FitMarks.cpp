#include "FitMarks.h"

#include <QStringList>
#include <QWidget>
#include <cstring>

#include "FitChecker.h"
#include "RecordFont.h"
#include "TextCodePageMark.h"

namespace zozavud {

namespace {

void MarkFontField(QWidget& field, const QString& problem) {
    field.setToolTip(problem);
    if (problem.isEmpty()) {
        field.setPalette(QPalette());
        field.setAutoFillBackground(false);
        return;
    }
    QPalette palette = field.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(WarningBase));
    field.setPalette(palette);
    field.setAutoFillBackground(true);
}

}  // namespace

FitMarks::FitMarks(QWidget& fontField, QWidget& preview)
    : fontField_(fontField), preview_(preview), checker_(std::make_unique<FitChecker>()) {}

FitMarks::~FitMarks() = default;

void FitMarks::Show(const ImageRecord& record, int imageNo, MessageLanguage language) {
    if (checked_ && imageNo == checkedImage_ && language == checkedLanguage_ &&
        std::memcmp(checked_.get(), &record, sizeof record) == 0)
        return;
    checked_ = std::make_unique<ImageRecord>(record);
    checkedImage_ = imageNo;
    checkedLanguage_ = language;

    MarkFontField(fontField_, FontSubstitutionProblem(FontSpecFromRecord(record)));
    // The font field tells of the face; notes are about default messages the user did not
    // write, which the tool does not count against the document either.
    QStringList lost;
    for (const FitWarning& warning : checker_->Check(record, imageNo, language))
        if (!warning.Note && warning.Kind != FitWarningKind::FontSubstituted) lost << warning.Message;
    preview_.setToolTip(lost.join(QLatin1Char('\n')));
}

}  // namespace zozavud
