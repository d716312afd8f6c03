#include "core/commands/UndoCommands.h"

#include "core/commands/BrightLineCommands.h"
#include "core/commands/Commands.h"
#include "core/commands/GraCommands.h"
#include "core/commands/PhotometrySupport.h"
#include "core/common/ErrorBoundary.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lineora {

namespace {

int UsedRows(const PointStore& store, int c) {
    return std::clamp(store.LineNext[c] - 1, 0, kLastRow);
}

bool RowsMatch(const PointStore& store, int c, const CurveRows& rows) {
    if (rows.size() != static_cast<std::size_t>(UsedRows(store, c))) {
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PixelEntry& stored = store.PointPixels[i + 1][c];
        if (!(stored == rows[i])) {
            return false;
        }
    }
    return true;
}

std::shared_ptr<const CurveRows> CaptureCurve(const PointStore& store, int c,
                                              const std::shared_ptr<const CurveRows>* previous) {
    if (previous != nullptr && *previous && RowsMatch(store, c, **previous)) {
        return *previous;
    }
    const int used = UsedRows(store, c);
    auto rows = std::make_shared<CurveRows>();
    rows->reserve(static_cast<std::size_t>(used));
    for (int row = kFirstRow; row <= used; ++row) {
        rows->push_back(store.PointPixels[row][c]);
    }
    return rows;
}

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.isNull() || b.isNull()) {
        return a.isNull() && b.isNull();
    }
    return a.size() == b.size() && a.format() == b.format() &&
           a.bytesPerLine() == b.bytesPerLine() &&
           std::memcmp(a.constBits(), b.constBits(), static_cast<std::size_t>(a.sizeInBytes())) ==
               0;
}

PictureRecord CapturePicture(Pictures& pics, const PictureRecord* previous) {
    if (previous != nullptr && previous->Key != pics.Clean.cacheKey() &&
        SamePixels(previous->Clean, pics.Clean)) {
        pics.Clean = previous->Clean; // a copy made by a mere write access is let go
    }
    return {pics.Clean,           pics.Clean.cacheKey(), pics.PictureWidth,    pics.PictureHeight,
            pics.PictureFileName, pics.PictureDir,       pics.PictureBaseName, pics.PixelFormatNow};
}

void RestoreCurves(PointStore& store, const UndoSnapshot& work) {
    for (int c = 1; c <= kCurveCount; ++c) {
        static const CurveRows kNone;
        const std::shared_ptr<const CurveRows>& kept = work.Curves[static_cast<std::size_t>(c)];
        const CurveRows& rows = kept ? *kept : kNone;
        const int count = static_cast<int>(rows.size());
        const int before = UsedRows(store, c);
        for (int i = 0; i < count; ++i) {
            store.PointPixels[i + 1][c] = rows[static_cast<std::size_t>(i)];
        }
        // Rows behind the last point stay empty, as the store expects.
        for (int row = count + 1; row <= before; ++row) {
            store.PointPixels[row][c] = PixelEntry{};
            store.PointValues[row][c] = ValueEntry{};
        }
        store.LineNext[c] = count + 1;
    }
    store.PointSelected = false;
    store.CurrentLine = work.CurrentLine;
}

// Everything but the fields of the last mouse event.
void RestoreCalibration(Calibration& cal, const Calibration& kept) {
    static_cast<ReferencePoints&>(cal) = kept.Points();
    cal.AxisXMin = kept.AxisXMin;
    cal.AxisXMax = kept.AxisXMax;
    cal.AxisYMin = kept.AxisYMin;
    cal.AxisYMax = kept.AxisYMax;
    cal.AxisPolarMax = kept.AxisPolarMax;
    cal.AxisLenX = kept.AxisLenX;
    cal.AxisLenY = kept.AxisLenY;
    cal.AxisAngleX = kept.AxisAngleX;
    cal.AxisAngleY = kept.AxisAngleY;
    cal.AxisLenXExact = kept.AxisLenXExact;
    cal.AxisLenYExact = kept.AxisLenYExact;
    cal.YAxisKeepLen = kept.YAxisKeepLen;
    cal.YMaxOffsetX = kept.YMaxOffsetX;
    cal.YMaxOffsetY = kept.YMaxOffsetY;
}

// The light-distribution modes change how points are valued, so they belong to the work; the
// bright-line mode is a tool with a window of its own, like the other tools.
int WorkMode(int specialMode) {
    return specialMode == kBrightLineMode ? 0 : specialMode;
}

void RestoreMode(State& state, Views& views, const UndoSnapshot& work) {
    if (WorkMode(state.Main.SpecialMode) != work.SpecialMode) {
        if (work.SpecialMode == 0) {
            LeavePhotometryMode(state, views);
        } else {
            EnterPhotometryMode(state, views, work.SpecialMode);
        }
    }
    state.Photometry = work.Photometry;
}

// The working image of the size coming back, if one is kept; the one going is kept instead.
void SwapWorkingBuffer(Pictures& pics, QImage& spare, std::int32_t width, std::int32_t height) {
    pics.CrosshairOnWorking.reset();
    if (spare.width() == width && spare.height() == height &&
        spare.format() == pics.Working.format()) {
        std::swap(pics.Working, spare);
    } else {
        spare = std::exchange(pics.Working, QImage());
    }
}

void RestorePictureRecord(State& state, Views& views, const PictureRecord& kept) {
    Pictures& pics = state.Pics;
    const bool resized = pics.PictureWidth != kept.Width || pics.PictureHeight != kept.Height;
    if (resized) {
        SwapWorkingBuffer(pics, state.Undo.SpareWorking, kept.Width, kept.Height);
    }
    if (pics.Clean.cacheKey() != kept.Key) {
        pics.Clean = kept.Clean;
    }
    pics.PictureWidth = kept.Width;
    pics.PictureHeight = kept.Height;
    pics.PictureFileName = kept.FileName;
    pics.PictureDir = kept.Dir;
    pics.PictureBaseName = kept.BaseName;
    pics.PixelFormatNow = kept.PixelFormat;
    if (resized) {
        // The guide and the crosshair were drawn on a picture of another size.
        state.Straightener.Guide.reset();
        views.ViewScaleChanged();
    }
}

QString Message(const State& state, QLatin1String key) {
    return LoadMessage(state.Messages, key);
}

int Count(const UndoSnapshot& work, int c) {
    const auto& rows = work.Curves[static_cast<std::size_t>(c)];
    return rows ? static_cast<int>(rows->size()) : 0;
}

QLatin1String PointChangeKey(const UndoSnapshot& before, const UndoSnapshot& after) {
    int changed = 0;
    int curve = 0;
    bool allEmpty = true;
    for (int c = 1; c <= kCurveCount; ++c) {
        const auto index = static_cast<std::size_t>(c);
        const auto& was = before.Curves[index];
        const auto& now = after.Curves[index];
        if (!(was == now || (was && now && *was == *now))) {
            ++changed;
            curve = c;
        }
        allEmpty = allEmpty && Count(after, c) == 0;
    }
    if (changed > 1) {
        return allEmpty ? MsgKey::StepDeleteAll : MsgKey::StepChangePoints;
    }
    const int was = Count(before, curve);
    const int now = Count(after, curve);
    if (now == 0) {
        return MsgKey::StepClearCurve;
    }
    if (now > was) {
        return now == was + 1 ? MsgKey::StepAddPoint : MsgKey::StepAddPoints;
    }
    if (now < was) {
        return now == was - 1 ? MsgKey::StepDeletePoint : MsgKey::StepDeletePoints;
    }
    return MsgKey::StepMovePoint;
}

} // namespace

UndoSnapshot CaptureWork(State& state, const UndoSnapshot* previous) {
    UndoSnapshot work;
    for (int c = 1; c <= kCurveCount; ++c) {
        const auto index = static_cast<std::size_t>(c);
        work.Curves[index] =
            CaptureCurve(state.Store, c, previous != nullptr ? &previous->Curves[index] : nullptr);
    }
    work.CurrentLine = state.Store.CurrentLine;
    work.Cal = state.Cal;
    work.Texts = state.Texts;
    work.Values = {state.Setup.ScaleX, state.Setup.ScaleY, state.Setup.XDirection,
                   state.Setup.TypeOfCurve};
    work.SpecialMode = WorkMode(state.Main.SpecialMode);
    work.Photometry = state.Photometry;
    if (previous != nullptr && previous->Bright && *previous->Bright == state.BrightLines.Centres) {
        work.Bright = previous->Bright;
    } else {
        work.Bright = std::make_shared<const BrightCentres>(state.BrightLines.Centres);
    }
    work.Picture = CapturePicture(state.Pics, previous != nullptr ? &previous->Picture : nullptr);
    return work;
}

void RestoreWork(State& state, Views& views, const UndoSnapshot& work) {
    HideStepCrosshair(state, views);
    // Entering or leaving a mode resets the current curve, which the points then restore.
    RestoreMode(state, views, work);
    RestoreCurves(state.Store, work);
    RestoreCalibration(state.Cal, work.Cal);
    state.Texts = work.Texts;
    state.Setup.ScaleX = work.Values.ScaleX;
    state.Setup.ScaleY = work.Values.ScaleY;
    state.Setup.XDirection = work.Values.XDirection;
    state.Setup.TypeOfCurve = work.Values.TypeOfCurve;
    if (work.Bright) {
        state.BrightLines.Centres = *work.Bright;
    }
    RestorePictureRecord(state, views, work.Picture);
}

void ApplyWork(State& state, Views& views, const UndoSnapshot& work) {
    const std::optional<QRegion> damage = MarksOnlyDamage(state, work);
    RestoreWork(state, views, work);
    if (damage) {
        RedrawPictureArea(state, views, *damage);
    } else {
        RedrawPicture(state, views);
    }
    RefreshAll(state, views);
    views.ControlsChanged();
}

bool RunUserAction(State& state, Host& host, const std::function<void()>& action, StepJoin join) {
    UndoHistory& history = state.Undo;
    ++history.ActionDepth;
    const bool done = Guarded(host, action);
    --history.ActionDepth;
    if (history.ActionDepth == 0) {
        Guarded(host, [&] { RecordUserAction(state, join); });
    }
    return done;
}

void RecordUserAction(State& state, StepJoin join) {
    UndoHistory& history = state.Undo;
    UndoSnapshot after = CaptureWork(state, &history.Current());
    QString name = std::move(history.PendingName);
    history.PendingName.clear();
    if (name.isEmpty() && !SameWork(after, history.Current())) {
        name = DescribeChange(history.Current(), after, state.Messages);
    }
    history.Record(std::move(after), name, join == StepJoin::OpenForDrag,
                   join == StepJoin::JoinDrag);
}

void NameUserAction(State& state, QLatin1String key) {
    state.Undo.PendingName = Message(state, key);
}

void UndoWork(State& state, Views& views) {
    // A change made outside any action (a field typed into) is the latest step.
    RecordUserAction(state);
    const UndoSnapshot* work = state.Undo.Undo();
    if (work == nullptr) {
        return;
    }
    ApplyWork(state, views, *work);
    state.Undo.ReplaceCurrent(CaptureWork(state, &state.Undo.Current()));
}

void RedoWork(State& state, Views& views) {
    RecordUserAction(state);
    const UndoSnapshot* work = state.Undo.Redo();
    if (work == nullptr) {
        return;
    }
    ApplyWork(state, views, *work);
    state.Undo.ReplaceCurrent(CaptureWork(state, &state.Undo.Current()));
}

void StartNewWork(State& state) {
    state.Undo.PendingName.clear();
    state.Undo.Reset(CaptureWork(state, nullptr));
}

void MarkWorkSaved(State& state) {
    RecordUserAction(state);
    state.Undo.MarkSaved();
}

bool WorkUnsaved(const State& state) {
    return state.Undo.Unsaved();
}

bool ConfirmUnsavedWork(State& state, Host& host, Views& views) {
    if (!WorkUnsaved(state)) {
        return true;
    }
    switch (host.AskSaveChanges(Message(state, MsgKey::SaveChanges))) {
    case Host::SaveChoice::Save:
        SaveGraWithPicture(state, host, views);
        return !WorkUnsaved(state);
    case Host::SaveChoice::Discard:
        return true;
    default:
        return false;
    }
}

QString DescribeChange(const UndoSnapshot& before, const UndoSnapshot& after,
                       const MessageCatalog& messages) {
    // From the widest change to the narrowest: a rotation also moves the reference points and
    // empties the curves, a scale kind also changes every value.
    const auto sameShared = [](const auto& a, const auto& b) {
        return a == b || (a && b && *a == *b);
    };
    bool samePoints = true;
    for (int c = 1; c <= kCurveCount; ++c) {
        const auto index = static_cast<std::size_t>(c);
        samePoints = samePoints && sameShared(before.Curves[index], after.Curves[index]);
    }
    QLatin1String key = MsgKey::StepAxisValues;
    if (before.Picture.Key != after.Picture.Key || before.Picture.Width != after.Picture.Width ||
        before.Picture.Height != after.Picture.Height) {
        key = MsgKey::StepPicture;
    } else if (before.SpecialMode != after.SpecialMode) {
        key = MsgKey::StepLightDistribution;
    } else if (!(before.Values == after.Values)) {
        key = MsgKey::StepSetup;
    } else if (!(before.Cal.Points() == after.Cal.Points())) {
        key = MsgKey::StepReferencePoints;
    } else if (!samePoints) {
        key = PointChangeKey(before, after);
    } else if (!(before.Photometry == after.Photometry)) {
        key = MsgKey::StepLightDistribution;
    } else if (!sameShared(before.Bright, after.Bright)) {
        key = MsgKey::StepBrightLine;
    }
    return LoadMessage(messages, key);
}

QString UndoMenuText(const State& state) {
    const UndoHistory& history = state.Undo;
    QString text =
        Message(state, MsgKey::Undo).replace(QStringLiteral("%1"), history.UndoName()).trimmed();
    if (history.CanUndo() && history.OlderStepsDropped()) {
        text += QLatin1Char(' ') + Message(state, MsgKey::OlderStepsDropped);
    }
    return text;
}

QString RedoMenuText(const State& state) {
    return Message(state, MsgKey::Redo)
        .replace(QStringLiteral("%1"), state.Undo.RedoName())
        .trimmed();
}

} // namespace lineora
