#pragma once
#include <QString>
#include <cstdint>
#include <memory>

#include "ImageSet.h"
#include "LanguageState.h"

namespace zozavud {

inline constexpr char ApplicationTitle[] = "ORVANEX QD-N800 Series LCD Editor";

// The editor state of one run: the document, the current image and the counters.
struct EditorState {
    EditorState();

    std::unique_ptr<ImageSet> Set;  // zero until the first whole-set reset
    int CurrentImage = 1;
    bool Modified = false;
    QString FileName;
    int32_t ScrollPosition = 0;
    bool BlinkPhase = false;  // false = lit
    LanguageState Language;

    // Makes image n (clamped to 1..19) current and writes n into its ImageNo.
    void SelectImage(int n);
    ImageRecord& CurrentRecord() { return Set->Record(CurrentImage); }
    const ImageRecord& CurrentRecord() const { return Set->Record(CurrentImage); }
};

}  // namespace zozavud
