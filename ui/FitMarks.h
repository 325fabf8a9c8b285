#pragma once
// What zozavud-cli check finds, shown in the window while the user works: the font field
// turns amber, with the reason as its tooltip, when the system draws the record's face in
// another one; the preview's tooltip lists what of the current image the printer will not
// show (text cut off, dots it never shows, texts cut at 255 bytes), in the tool's words.

#include <QString>
#include <memory>

#include "ImageSet.h"
#include "MessageLanguage.h"

class QWidget;

namespace zozavud {

class FitChecker;

class FitMarks {
public:
    FitMarks(QWidget& fontField, QWidget& preview);
    ~FitMarks();

    // Checks the image again when its record, number or language changed since the last
    // call (the animation redraws an unchanged record many times a second).
    void Show(const ImageRecord& record, int imageNo, MessageLanguage language);

private:
    QWidget& fontField_;
    QWidget& preview_;
    std::unique_ptr<FitChecker> checker_;
    std::unique_ptr<ImageRecord> checked_;  // the record as last checked
    int checkedImage_ = 0;
    MessageLanguage checkedLanguage_{};
};

}  // namespace zozavud
