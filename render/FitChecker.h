#pragma once
// Finds what an image loses on the way to the printer: glyphs outside the 25-row window
// or off the work canvas, dots the printer never shows, texts cut at 255 bytes and
// faces the system had to replace; notes a default message drawn in the language's face.
// Needs the font database (a QGuiApplication).

#include <QString>
#include <memory>
#include <vector>

#include "ImageSet.h"
#include "MessageLanguage.h"
#include "RecordFont.h"

namespace zozavud {

class LcdRenderer;
class WorkCanvas;

enum class FitWarningKind {
    LostAboveWindow,
    LostBelowWindow,
    OffCanvas,
    HiddenColumns,
    TextCut,
    FontSubstituted,
    LanguageFace,  // a default message the record's face cannot draw, in the language's face
};

struct FitWarning {
    FitWarningKind Kind;
    QString Message;
    int Pixels = 0;  // the pixels or dots lost, where they can be counted
    // Losses in a slot's default message, which an image without text shows: the user
    // did not choose that text and cannot mend it, so it is told but not held against them.
    bool Note = false;
};

class FitChecker {
public:
    FitChecker();
    ~FitChecker();

    // The text is redrawn as the renderer places it, on a copy of the record whose ImageNo
    // is imageNo (as showing the image makes it); the column check reads the stored
    // picture and flags, which are what a command sends.
    std::vector<FitWarning> Check(const ImageRecord& record, int imageNo, MessageLanguage language);

private:
    std::unique_ptr<LcdRenderer> renderer_;
    std::unique_ptr<WorkCanvas> canvas_;
};

// The face a record names and the one the system draws it with, when these differ
// beyond the stand-ins our own substitution table chose; empty when they agree.
QString SubstitutedFace(const FontSpec& font);
// 'font "X" is not installed: the text is drawn in "Y"' (or has no characters of the
// charset) when SubstitutedFace finds a stand-in; empty when the face draws itself.
QString FontSubstitutionProblem(const FontSpec& font);

}  // namespace zozavud
