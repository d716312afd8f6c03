#pragma once

#include "core/calibration/AxisTexts.h"
#include "core/calibration/Calibration.h"
#include "core/common/Settings.h"
#include "core/curves/PointStore.h"
#include "core/photometry/BrightLine.h"
#include "core/photometry/PhotometryState.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace lineora {

// One curve's used rows, as the store holds them.
using CurveRows = std::vector<PixelEntry>;
using BrightCentres = std::array<std::vector<double>, kBrightLineCount + 1>;

// The settings the chart values depend on; the others (colours, export form, windows) are
// the user's preferences, not the work.
struct ValueSettings {
    ScaleKind ScaleX = ScaleKind::Linear;
    ScaleKind ScaleY = ScaleKind::Linear;
    std::int32_t XDirection = 0;
    std::int32_t TypeOfCurve = 1;
    friend bool operator==(const ValueSettings&, const ValueSettings&) = default;
};

// The stored picture. The image is shared with the state while nobody writes into it, so a
// snapshot of an unchanged picture costs nothing; writing detaches it and changes its key.
struct PictureRecord {
    QImage Clean;
    qint64 Key = 0; // Clean.cacheKey(): the same key is the same pixels
    std::int32_t Width = 0, Height = 0;
    QString FileName, Dir, BaseName;
    int PixelFormat = 0;
};

// The work as one undo step keeps it: what the user made, not how the windows show it. Point
// values are left out: they follow from the positions and the calibration at every refresh.
// Parts that did not change are shared with the snapshot before.
struct UndoSnapshot {
    std::array<std::shared_ptr<const CurveRows>, kCurveCount + 1> Curves;
    // Restored with the points, so that the refresh sorts the curve it sorted then.
    std::int32_t CurrentLine = 1;
    // The reference points, axis values and what the reference tools derived from them; the
    // fields of the last mouse event are not part of it.
    Calibration Cal;
    AxisTexts Texts;
    ValueSettings Values;
    std::int32_t SpecialMode = 0;
    PhotometryState Photometry;
    std::shared_ptr<const BrightCentres> Bright;
    PictureRecord Picture;
};

// Whether two snapshots hold the same work (the current curve aside). Shared parts compare
// by address, pictures by key.
bool SameWork(const UndoSnapshot& a, const UndoSnapshot& b);

// The steps of the work since it was opened: undo and redo stacks around the current
// snapshot, and the snapshot last opened or saved. Memory stays bounded: at most kMaxSteps
// steps, and at most kMaxPictures pictures other than the current one; the oldest steps go
// first.
class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 100;
    static constexpr std::size_t kMaxPictures = 4;

    // New work: no steps, and `now` counts as saved. Until the first reset the first record
    // only takes the work as it stands.
    void Reset(UndoSnapshot now);
    const UndoSnapshot& Current() const { return current_; }
    // The work after a user action. A step named `name` when it differs from the current
    // snapshot; with `join`, a change right after a step recorded with `keepOpen` goes into
    // that step (a press and its drag are one action). Returns whether the work changed.
    bool Record(UndoSnapshot after, const QString& name, bool keepOpen = false, bool join = false);
    // The same work, taken again (a refresh after a restore may tidy it): no step.
    void ReplaceCurrent(UndoSnapshot now) { current_ = std::move(now); }

    // The snapshot to restore, now the current one; null when there is no step.
    const UndoSnapshot* Undo();
    const UndoSnapshot* Redo();

    void MarkSaved();
    bool Unsaved() const;

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    QString UndoName() const { return undo_.empty() ? QString() : undo_.back().Name; }
    QString RedoName() const { return redo_.empty() ? QString() : redo_.back().Name; }
    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }
    // Steps were dropped to keep the bound since the work was opened.
    bool OlderStepsDropped() const { return dropped_; }
    // Distinct pictures the steps hold besides the current one.
    std::size_t PicturesHeld() const;

    // Nesting of user actions: only the outermost records (a nudge window inside a click).
    int ActionDepth = 0;
    // The name the running command gave its step; empty lets the change name itself.
    QString PendingName;
    // The working image of the other size, while undo and redo go back and forth over a step
    // that changed the picture's size (a rotation): each way then copies into a buffer that
    // exists. A new step or new work lets it go.
    QImage SpareWorking;

private:
    struct Step {
        UndoSnapshot Work; // the work before (undo) or after (redo) the step
        QString Name;
    };
    void KeepBound();

    std::deque<Step> undo_;
    std::vector<Step> redo_;
    UndoSnapshot current_;
    // Without its image: only the key tells whether the picture is still the saved one.
    UndoSnapshot saved_;
    bool dropped_ = false;
    bool open_ = false;
    bool started_ = false;
};

} // namespace lineora
