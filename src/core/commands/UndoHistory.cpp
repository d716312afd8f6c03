#include "core/commands/UndoHistory.h"

#include <algorithm>

namespace lineora {

namespace {

template <class T>
bool SameShared(const std::shared_ptr<const T>& a, const std::shared_ptr<const T>& b) {
    if (a == b) {
        return true;
    }
    if (!a || !b) {
        return false;
    }
    return *a == *b;
}

bool SameCurves(const UndoSnapshot& a, const UndoSnapshot& b) {
    for (int c = 1; c <= kCurveCount; ++c) {
        const auto index = static_cast<std::size_t>(c);
        const auto& left = a.Curves[index];
        const auto& right = b.Curves[index];
        if (left == right) {
            continue;
        }
        const std::size_t leftSize = left ? left->size() : 0;
        const std::size_t rightSize = right ? right->size() : 0;
        if (leftSize != rightSize) {
            return false;
        }
        for (std::size_t row = 0; row < leftSize; ++row) {
            if (!((*left)[row] == (*right)[row])) {
                return false;
            }
        }
    }
    return true;
}

// The axis values are left out: every refresh reads them from the axis texts again.
bool SameCalibration(const Calibration& a, const Calibration& b) {
    return a.Points() == b.Points() && a.YAxisKeepLen == b.YAxisKeepLen;
}

bool SameTexts(const AxisTexts& a, const AxisTexts& b) {
    return a.MinX == b.MinX && a.MaxX == b.MaxX && a.MinY == b.MinY && a.MaxY == b.MaxY &&
           a.PolarMaxX == b.PolarMaxX;
}

bool SamePicture(const PictureRecord& a, const PictureRecord& b) {
    return a.Key == b.Key && a.Width == b.Width && a.Height == b.Height;
}

} // namespace

bool SameWork(const UndoSnapshot& a, const UndoSnapshot& b) {
    return SamePicture(a.Picture, b.Picture) && SameCalibration(a.Cal, b.Cal) &&
           SameTexts(a.Texts, b.Texts) && a.Values == b.Values && a.SpecialMode == b.SpecialMode &&
           a.Photometry == b.Photometry && SameCurves(a, b) && SameShared(a.Bright, b.Bright);
}

void UndoHistory::Reset(UndoSnapshot now) {
    undo_.clear();
    redo_.clear();
    SpareWorking = QImage();
    current_ = std::move(now);
    dropped_ = false;
    open_ = false;
    started_ = true;
    MarkSaved();
}

bool UndoHistory::Record(UndoSnapshot after, const QString& name, bool keepOpen, bool join) {
    if (!started_) {
        Reset(std::move(after));
        return false;
    }
    const bool joined = join && open_ && !undo_.empty();
    open_ = false;
    if (SameWork(after, current_)) {
        current_.CurrentLine = after.CurrentLine;
        open_ = keepOpen && joined;
        return false;
    }
    if (joined) {
        // The step already holds the work before the press; a drag that ends where the press
        // started leaves no step at all.
        current_ = std::move(after);
        if (SameWork(undo_.back().Work, current_)) {
            undo_.pop_back();
        }
        return true;
    }
    undo_.push_back({std::move(current_), name});
    current_ = std::move(after);
    redo_.clear();
    SpareWorking = QImage();
    open_ = keepOpen;
    KeepBound();
    return true;
}

const UndoSnapshot* UndoHistory::Undo() {
    if (undo_.empty()) {
        return nullptr;
    }
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back({std::move(current_), step.Name});
    current_ = std::move(step.Work);
    open_ = false;
    return &current_;
}

const UndoSnapshot* UndoHistory::Redo() {
    if (redo_.empty()) {
        return nullptr;
    }
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back({std::move(current_), step.Name});
    current_ = std::move(step.Work);
    open_ = false;
    return &current_;
}

void UndoHistory::MarkSaved() {
    saved_ = current_;
    saved_.Picture.Clean = QImage();
}

bool UndoHistory::Unsaved() const {
    return !SameWork(current_, saved_);
}

std::size_t UndoHistory::PicturesHeld() const {
    std::vector<qint64> keys;
    const auto add = [&](const UndoSnapshot& work) {
        const qint64 key = work.Picture.Key;
        if (key != 0 && key != current_.Picture.Key &&
            std::find(keys.begin(), keys.end(), key) == keys.end()) {
            keys.push_back(key);
        }
    };
    for (const Step& step : undo_) {
        add(step.Work);
    }
    for (const Step& step : redo_) {
        add(step.Work);
    }
    return keys.size();
}

void UndoHistory::KeepBound() {
    while (undo_.size() > kMaxSteps || (!undo_.empty() && PicturesHeld() > kMaxPictures)) {
        undo_.pop_front();
        dropped_ = true;
    }
}

} // namespace lineora
