#include "EditHistory.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iterator>
#include <memory>

namespace zozavud {

namespace {

// The bytes past a text's length are what a longer text left there: no change anyone sees.
void ClearUnusedBytes(ShortString& text) {
    std::fill(std::begin(text.Bytes) + text.Length, std::end(text.Bytes), 0);
}

bool SameRecord(const ImageRecord& a, const ImageRecord& b) {
    if (std::memcmp(&a, &b, sizeof(ImageRecord)) == 0) return true;
    auto copies = std::make_unique<ImageRecord[]>(2);
    copies[0] = a;
    copies[1] = b;
    for (int i = 0; i < 2; ++i)
        for (ShortString* text : {&copies[i].Text1, &copies[i].Text2, &copies[i].FontName})
            ClearUnusedBytes(*text);
    return std::memcmp(&copies[0], &copies[1], sizeof(ImageRecord)) == 0;
}

bool SameRecords(const std::vector<ImageRecord>& a, const std::vector<ImageRecord>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameRecord(a[i], b[i])) return false;
    return true;
}

void PutBack(ImageSet& set, const std::vector<int>& images, const std::vector<ImageRecord>& records) {
    for (std::size_t i = 0; i < images.size(); ++i) set.Record(images[i]) = records[i];
}

std::vector<ImageRecord> Copy(const ImageSet& set, const std::vector<int>& images) {
    std::vector<ImageRecord> records;
    records.reserve(images.size());
    for (int n : images) records.push_back(set.Record(n));
    return records;
}

}  // namespace

int64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

EditStep EditHistory::Begin(const ImageSet& set, std::vector<int> images, int shownImage, int mergeKey,
                            ShownBoxes boxes) {
    EditStep step;
    step.BoxesBefore = std::move(boxes);
    step.ShownImage = shownImage;
    step.MergeKey = mergeKey;
    step.Before = Copy(set, images);
    step.Images = std::move(images);
    return step;
}

void EditHistory::Commit(const ImageSet& set, EditStep step, int64_t nowMs, ShownBoxes boxes) {
    step.After = Copy(set, step.Images);
    step.BoxesAfter = std::move(boxes);
    step.LastChangeMs = nowMs;
    const bool merges = !sealed_ && step.MergeKey != 0 && !undo_.empty() &&
                        undo_.back().MergeKey == step.MergeKey && undo_.back().Images == step.Images &&
                        nowMs - undo_.back().LastChangeMs <= MergePauseMs;
    if (merges) {
        EditStep& last = undo_.back();
        last.After = std::move(step.After);
        last.BoxesAfter = std::move(step.BoxesAfter);
        last.LastChangeMs = nowMs;
        // Typed and taken back again: nothing is left to undo.
        if (SameRecords(last.Before, last.After)) undo_.pop_back();
        redo_.clear();
        sealed_ = undo_.empty();
        return;
    }
    if (SameRecords(step.Before, step.After)) return;
    undo_.push_back(std::move(step));
    redo_.clear();
    sealed_ = undo_.back().MergeKey == 0;
    Trim();
}

std::optional<RestoredStep> EditHistory::Undo(ImageSet& set) {
    if (undo_.empty()) return std::nullopt;
    EditStep step = std::move(undo_.back());
    undo_.pop_back();
    PutBack(set, step.Images, step.Before);
    const RestoredStep restored{step.ShownImage, step.BoxesBefore};
    redo_.push_back(std::move(step));
    sealed_ = true;
    return restored;
}

std::optional<RestoredStep> EditHistory::Redo(ImageSet& set) {
    if (redo_.empty()) return std::nullopt;
    EditStep step = std::move(redo_.back());
    redo_.pop_back();
    PutBack(set, step.Images, step.After);
    const RestoredStep restored{step.ShownImage, step.BoxesAfter};
    undo_.push_back(std::move(step));
    sealed_ = true;
    return restored;
}

void EditHistory::Clear() {
    undo_.clear();
    redo_.clear();
    sealed_ = true;
}

void EditHistory::Trim() {
    std::size_t records = 0;
    for (const EditStep& step : undo_) records += step.Images.size();
    while (records > MaxRecords && undo_.size() > 1) {
        records -= undo_.front().Images.size();
        undo_.pop_front();
    }
}

}  // namespace zozavud
