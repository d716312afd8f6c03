#include "core/commands/PictureMouse.h"

#include "core/commands/BrightLineCommands.h"
#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/RectifyCommands.h"
#include "core/commands/StatusBar.h"
#include "core/commands/StripModeCommands.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/common/Rounding.h"
#include "core/picture/Overlay.h"

namespace lineora {

namespace {

// The ranges the double X axis mode converts the cursor with, when its fields hold numbers; the
// status bar falls back to the axis values rather than report a field on every move.
std::optional<DoubleAxisRanges> CursorRanges(const State& state) {
    try {
        return ModeAxisRanges(state);
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

// The click's chart values for the status bar and the tools that read them. A calibration that
// cannot convert yet must not stop the click itself (setting the reference points is how the
// user mends it); whatever needs the values converts again and reports the error there.
bool ConvertWorkingPosition(State& state) {
    try {
        const std::optional<DoubleAxisRanges> ranges = CursorRanges(state);
        const ChartPoint value =
            PictureToChart(state.Cal, state.Setup, state.Cal.MousePicX, state.Cal.MousePicY, 1,
                           ranges ? &*ranges : nullptr);
        state.Cal.CursorValueX = value.X;
        state.Cal.CursorValueY = value.Y;
        return true;
    } catch (const CalcError&) {
        return false;
    }
}

bool IsIgnoredCombination(std::uint32_t shift) {
    using namespace Shift;
    switch (shift) {
    case Shift::Shift | Right:
    case Ctrl | Right:
    case Shift::Shift | Ctrl | Right:
    case Double | Left:
    case Double | Shift::Shift | Left:
    case Double | Ctrl | Left:
    case Double | Right:
    case Double | Shift::Shift | Right:
    case Double | Ctrl | Right:
        return true;
    default:
        return false;
    }
}

void StartPanning(State& state, Views& views) {
    views.SetPictureCursor(CursorId::PanHand);
    state.Main.PanStartX = state.Cal.MousePicX;
    state.Main.PanStartY = state.Cal.MousePicY;
    state.Main.Panning = true;
}

void ZoomClick(State& state, Views& views, std::uint32_t shift) {
    int index = state.Main.ScaleIndex;
    if (shift == Shift::Left && index > 1) {
        --index;
    } else if (shift == (Shift::Ctrl | Shift::Left) && index < 7) {
        ++index;
    }
    SetScaleIndex(state, views, index);
}

void ThreeClickStep(State& state, Views& views) {
    switch (state.Main.ThreeClickStep) {
    case 1:
        SetReferencePoint(state, views, Tool::ZeroPoint);
        state.Main.CurrentCursor = CursorId::XMaxPoint;
        break;
    case 2:
        SetReferencePoint(state, views, Tool::XMaxPoint);
        state.Main.CurrentCursor = CursorId::YMaxPoint;
        break;
    default:
        SetReferencePoint(state, views, Tool::YMaxPoint);
        break;
    }
    views.SetPictureCursor(state.Main.CurrentCursor);
    if (++state.Main.ThreeClickStep >= 4) {
        state.Main.ThreeClickStep = 1;
        SetPointMode(state, views);
    }
}

void ToolClick(State& state, Host& host, Views& views, std::uint32_t shift) {
    using namespace Shift;
    switch (state.Main.ToolMode) {
    case Tool::None:
        host.ShowMessage(LoadMessage(state.Messages, MsgKey::NoToolChosen));
        break;
    case Tool::SetPoint:
        if (shift == Left) {
            AddPointAtClick(state, host, views, false);
        } else if (shift == (Shift::Shift | Left)) {
            GrabPointAtClick(state, views);
        } else if (shift == (Ctrl | Left)) {
            EraseAtClick(state, views, 1, 1);
        }
        break;
    case Tool::ZeroPoint:
    case Tool::XMaxPoint:
    case Tool::YMaxPoint:
        if (shift == Left) {
            SetReferencePoint(state, views, state.Main.ToolMode);
        }
        break;
    case Tool::Eraser:
        // Two passes: a point that moved up into a freed row is skipped by the first.
        if (shift == Left) {
            EraseAtClick(state, views, 9, 2);
        }
        break;
    case Tool::PickColor:
        if (shift == Left) {
            views.PipettePicked();
        }
        break;
    case Tool::Pan:
        if (shift == Left) {
            StartPanning(state, views);
        }
        break;
    case Tool::Zoom:
        ZoomClick(state, views, shift);
        break;
    case Tool::ThreeClick:
        if (shift == Left) {
            ThreeClickStep(state, views);
        }
        break;
    case Tool::BrightLine:
        if (shift == Left) {
            BrightLineClick(state, host, views);
        }
        break;
    case Tool::Rectify:
        if (shift == Left) {
            RectifyCornerClick(state, host, views);
        }
        break;
    case Tool::PolarI0:
    case Tool::PolarI180:
    case Tool::AxialI0:
    case Tool::PairI0:
    case Tool::PairAxis2:
    case Tool::PolarUpper:
    case Tool::PolarLower:
    case Tool::PolarRight:
    case Tool::PolarLeft:
        SpecialPickClick(state, views);
        break;
    case Tool::StripColor:
        StripColourClick(state, views);
        break;
    case Tool::StripSample:
        if (shift == Left) {
            StripSampleClick(state, views);
        }
        break;
    default:
        break; // zones are painted by moving; other tools belong to their own windows
    }
}

void PanPicture(State& state, Views& views) {
    if (!state.Main.Panning) {
        return;
    }
    const Extended dx = state.Main.HoverPicX - state.Main.PanStartX;
    const Extended dy = state.Main.HoverPicY - state.Main.PanStartY;
    views.ScrollPictureBy(-RoundHalfEven(dx * state.Main.ViewScale),
                          -RoundHalfEven(dy * state.Main.ViewScale));
}

void MoveStepCrosshair(State& state, Views& views) {
    HideStepCrosshair(state, views);
    Calibration& cal = state.Cal;
    cal.SnapPicX = state.Main.HoverPicX;
    cal.SnapPicY = state.Main.HoverPicY;
    try {
        SnapToStepX(cal, state.Setup);
    } catch (const CalcError&) {
        // No step grid on this calibration: the crosshair simply follows the mouse.
    }
    ShowStepCrosshair(state, views);
}

} // namespace

void PictureMouseDown(State& state, Host& host, Views& views, std::uint32_t shift, int x, int y) {
    PicturePoint click = ScreenToPicture(x, y, state.Main.ViewScale);
    // With step-X picking the click acts at the crosshair's own picture position: a trip
    // through screen pixels and back would lose a pixel at the scales below 1:1.
    if (StepCrosshairLive(state)) {
        click = {state.Cal.SnapPicX, state.Cal.SnapPicY};
    }
    state.Cal.MousePicX = click.X;
    state.Cal.MousePicY = click.Y;
    ConvertWorkingPosition(state);

    if (IsIgnoredCombination(shift)) {
        return;
    }
    if (shift == Shift::Right) {
        StartPanning(state, views);
        return;
    }
    ToolClick(state, host, views, shift);
}

void PictureMouseMove(State& state, Host& /*host*/, Views& views, std::uint32_t shift, int x,
                      int y) {
    const PicturePoint hover = ScreenToPicture(x, y, state.Main.ViewScale);
    state.Main.HoverPicX = hover.X;
    state.Main.HoverPicY = hover.Y;
    if (shift == Shift::Right) {
        PanPicture(state, views);
        return;
    }
    state.Main.PixelColor = ReadPixelColor(state.Pics, hover.X, hover.Y);

    CursorId cursor = state.Main.CurrentCursor;
    if (state.Main.ToolMode == Tool::SetPoint && shift == Shift::Ctrl) {
        cursor = CursorId::Eraser;
    } else if (state.Main.ToolMode == Tool::SetPoint && shift == Shift::Shift) {
        cursor = CursorId::MovePoint;
    }
    views.SetPictureCursor(cursor);

    bool valuesKnown = true;
    try {
        const std::optional<DoubleAxisRanges> ranges = CursorRanges(state);
        const ChartPoint value = PictureToChart(state.Cal, state.Setup, hover.X, hover.Y, 1,
                                                ranges ? &*ranges : nullptr);
        state.Cal.CursorValueX = value.X;
        state.Cal.CursorValueY = value.Y;
    } catch (const CalcError&) {
        valuesKnown = false; // a box on every move would make the program unusable
    }

    if (valuesKnown && StepCrosshairLive(state) && shift == 0) {
        MoveStepCrosshair(state, views);
    }
    if (state.Main.ToolMode == Tool::Zone && shift == Shift::Left &&
        AddZoneCircle(state.ZoneList, state.Pics.Working, hover.X, hover.Y)) {
        views.PictureAreaChanged(QRect(hover.X - 11, hover.Y - 11, 23, 23));
    }
    if (state.Main.ToolMode == Tool::Eraser && shift == Shift::Left) {
        state.Cal.MousePicX = hover.X;
        state.Cal.MousePicY = hover.Y;
        EraseAtClick(state, views, 9, 1);
    }
    if (state.Main.ToolMode == Tool::PickColor) {
        views.PipetteHover(state.Main.PixelColor);
    }
    if (state.Main.ToolMode == Tool::StripColor) {
        views.StripColourHover(state.Main.PixelColor);
    }
    if (state.Main.ShowZoom) {
        views.UpdateMagnifier(hover.X, hover.Y);
    }
    if (valuesKnown) {
        UpdateStatusBar(state, views, hover.X, hover.Y, state.Cal.CursorValueX,
                        state.Cal.CursorValueY);
    } else {
        UpdateStatusBar(state, views, hover.X, hover.Y, 0, 0);
        ShowValuesUnavailable(views);
    }
}

void PictureMouseUp(State& state, Views& views) {
    state.Main.Panning = false;
    views.SetPictureCursor(state.Main.CurrentCursor);
    // A pointer nudge there and back makes the picture see a fresh move at the same place, so
    // crosshair, magnifier and status bar catch up with what the click changed.
    views.MovePointerBy(1, 1);
    views.MovePointerBy(-1, -1);
}

} // namespace lineora
