#include "core/commands/Commands.h"

#include "core/calibration/AxisTexts.h"
#include "core/commands/BrightLineCommands.h"
#include "core/commands/Configuration.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/RectifyCommands.h"
#include "core/commands/StripModeCommands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/picture/Overlay.h"
#include "core/picture/StraightenGuide.h"

namespace lineora {

void RefreshAll(State& state, Views& views) {
    ReadAxisValues(state.Texts, state.Cal);
    const std::optional<DoubleAxisRanges> ranges = ModeAxisRanges(state);
    RefreshValues(state.Store, state.Cal, state.Setup, state.Main.SpecialMode,
                  ranges ? &*ranges : nullptr, state.StoreValues);
    SortCurrentLine(state.Store, state.Setup, state.Store.LineNext[state.Store.CurrentLine]);
    RefreshTable(state, views);
}

void RedrawPicture(State& state, Views& views) {
    const bool crosshairWasOn = state.Pics.CrosshairOnWorking.has_value();
    RestorePicture(state.Pics);
    ComputeAxisAngles(state.Cal, state.Setup);
    DrawAxes(state.Pics.Working, state.Cal, state.Setup);
    RedrawMarks(state.Pics.Working, state.Store, state.Setup);
    // The straightener's guide goes back with the geometry it was drawn with, while its window
    // is open.
    if (state.Straightener.Guide) {
        DrawStraightenGuide(state.Pics.Working, *state.Straightener.Guide);
    }
    DrawStripModeOverlay(state);
    // Traced bright lines stay in view through every redraw, an undo's included.
    if (state.Main.SpecialMode == kBrightLineMode) {
        DrawBrightLines(state.BrightLines, state.Pics.Working, state.Setup.LineColors);
    }
    DrawRectifyCorners(state);
    // The crosshair last, over the marks, so that the next move inverts back exactly what the
    // overlay drew. One that was taken off (a tool change, a new picture) stays off until the
    // mouse places it again.
    if (crosshairWasOn && StepCrosshairLive(state)) {
        ShowStepCrosshair(state, views);
    }
    views.PictureChanged();
    // The magnifier copies the working image: a point deleted under it must leave it too.
    if (state.Main.ShowZoom) {
        views.UpdateMagnifier(state.Main.HoverPicX, state.Main.HoverPicY);
    }
}

void RedrawPictureArea(State& state, Views& views, const QRegion& damage) {
    const QRect crosshair = TakeOffStepCrosshair(state.Pics);
    // Marks that changed off the picture leave nothing to draw (an empty region would mean
    // the whole picture to the drawing).
    if (!damage.isEmpty()) {
        RestorePictureArea(state.Pics, damage);
        ComputeAxisAngles(state.Cal, state.Setup);
        DrawAxes(state.Pics.Working, state.Cal, state.Setup, damage);
        RedrawMarks(state.Pics.Working, state.Store, state.Setup, damage);
    }
    if (!crosshair.isEmpty()) {
        views.PictureAreaChanged(crosshair);
        if (StepCrosshairLive(state)) {
            ShowStepCrosshair(state, views);
        }
    }
    views.PictureAreaChanged(damage.boundingRect());
    if (state.Main.ShowZoom) {
        views.UpdateMagnifier(state.Main.HoverPicX, state.Main.HoverPicY);
    }
}

void DrawCurveMark(State& state, std::int32_t x, std::int32_t y, int curve) {
    // A copy-pen mark over the inverted crosshair would be inverted in turn when the crosshair
    // moves on (cyan crosses on red marks).
    TakeOffStepCrosshair(state.Pics);
    DrawMark(state.Pics.Working, x, y, state.Store.MarkRadius,
             state.Setup.LineColors[static_cast<std::size_t>(curve)], state.Setup.FillMetka);
}

void SetToolMode(State& state, Views& views, Tool toolMode, CursorId cursor) {
    // Another tool, or the rectify tool chosen again, forgets the corners clicked so far.
    if (state.Main.ToolMode == Tool::Rectify && toolMode != Tool::Rectify) {
        views.ShowStatus(kRectifyStatusPanel, QString());
    }
    const bool cornersMarked = !state.Main.RectifyCorners.empty();
    state.Main.RectifyCorners.clear();
    state.Main.ToolMode = toolMode;
    if (cornersMarked) {
        RedrawPicture(state, views);
    }
    // Only point mode moves the crosshair; left under another tool it would never be erased.
    if (!StepCrosshairLive(state)) {
        HideStepCrosshair(state, views);
    }
    if (toolMode == Tool::ThreeClick) {
        state.Main.ThreeClickStep = 1;
    }
    state.Main.CurrentCursor = cursor;
    views.SetPictureCursor(cursor);
    views.ControlsChanged();
}

void SetPointMode(State& state, Views& views) {
    SetToolMode(state, views, Tool::SetPoint, CursorOfKind(state.Main.CursorKind));
}

void SetCursorKind(State& state, Views& views, int kind) {
    state.Main.CursorKind = kind;
    state.Main.CurrentCursor = CursorOfKind(kind);
    views.SetPictureCursor(state.Main.CurrentCursor);
    views.ControlsChanged();
}

void ResetWorkState(State& state, Views& views) {
    // The crosshair's place belongs to the work being replaced.
    HideStepCrosshair(state, views);
    views.ApplyWindowToggles();
    state.Main.GraFileName.clear();
    state.Main.DarkLimit = InkLimits{};
    SetPointMode(state, views);
    // Every path that fills the curves again clears them first; clearing here keeps the rows
    // behind LineNext empty as the store expects.
    ClearAllLines(state.Store);
    state.Main.AvtoCorrectOn = false;
    state.ZoneList.ZoneLastX = 0;
    state.ZoneList.ZoneLastY = 0;
    state.Main.ToolMode = Tool::SetPoint;
    state.Main.Panning = false;
    views.ControlsChanged();
}

void SetScaleIndex(State& state, Views& views, int index) {
    if (index < 1 || index > 7) {
        return;
    }
    state.Main.ScaleIndex = index;
    state.Main.ViewScale = ViewScaleOf(QString::fromLatin1(kScaleCaptions[index]));
    views.ViewScaleChanged();
}

void NewPictureDefaults(State& state, Views& views) {
    // The crosshair's place belongs to the old picture; the mouse places it on the new one.
    HideStepCrosshair(state, views);
    SetScaleIndex(state, views, kScaleOneToOne);
    state.Store.CurrentLine = 1;
    ComputeAxisAngles(state.Cal, state.Setup);
    ClearAllLines(state.Store);
    views.ControlsChanged();
}

void SelectLine(State& state, int line) {
    if (line >= 1 && line <= kCurveCount) {
        state.Store.CurrentLine = line;
    }
}

void SetReferencePoint(State& state, Views& views, Tool toolMode) {
    const std::int32_t x = state.Cal.MousePicX;
    const std::int32_t y = state.Cal.MousePicY;
    switch (toolMode) {
    case Tool::ZeroPoint:
        SetZeroPoint(state.Cal, state.Setup, state.Main.Axis90Mode, x, y);
        break;
    case Tool::XMaxPoint:
        SetXMaxPoint(state.Cal, state.Setup, state.Main.Axis90Mode, x, y);
        break;
    case Tool::YMaxPoint:
        SetYMaxPoint(state.Cal, state.Setup, state.Main.Axis90Mode, x, y);
        break;
    default:
        return;
    }
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

bool CloseQuery(State& state, Host& host, Views& views) {
    // Before start-up has found the program's folder there are no settings of this run to keep.
    if (state.Setup.AutoSave && !state.Main.AppDir.isEmpty()) {
        // The user may still leave: a settings file that cannot be written must not keep the
        // program open.
        try {
            WriteConfig(state, views);
        } catch (const FileError& error) {
            host.ShowMessage(QString::fromUtf8(error.what()));
        }
    }
    if (WorkUnsaved(state)) {
        // Its answer is the answer: the plain close question would ask a second time.
        return ConfirmUnsavedWork(state, host, views);
    }
    return host.AskYesNo(LoadMessage(state.Messages, MsgKey::CloseWindow));
}

} // namespace lineora
