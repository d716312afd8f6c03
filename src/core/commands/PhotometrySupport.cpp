#include "core/commands/PhotometrySupport.h"

#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/common/BriefQuote.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/common/NumberText.h"

namespace lineora {

Extended FieldNumber(const State& state, const QString& text, QLatin1String nameKey) {
    try {
        return ParseNumber(text);
    } catch (const FormatError&) {
        throw FormatError(LoadMessage(state.Messages, MsgKey::FieldNotNumber) + QLatin1Char(' ') +
                          LoadMessage(state.Messages, nameKey) + QStringLiteral(" \"") +
                          BriefQuote(text) + QLatin1Char('"'));
    }
}

PicturePoint PolarPosition(State& state, Extended angle, Extended radius) {
    ComputeAxisLengths(state.Cal);
    return ChartToPicture(state.Cal, state.Setup, angle, radius);
}

PicturePoint CartesianPosition(State& state, Extended x, Extended y) {
    Calibration cal = state.Cal;
    ComputeAxisLengths(cal);
    if (const std::optional<DoubleAxisRanges> ranges = ModeAxisRanges(state)) {
        cal.AxisXMin = ranges->MinX1;
        cal.AxisXMax = ranges->MaxX1;
        cal.AxisYMin = ranges->MinY;
        cal.AxisYMax = ranges->MaxY;
    }
    return ChartToPicture(cal, state.Setup, x, y);
}

void PlaceSpecialPoint(PointStore& store, int row, PicturePoint at) {
    store.PointPixels[row][kCurveCount] = PixelEntry{1, at.X, at.Y};
}

void EnterPhotometryMode(State& state, Views& views, int specialMode) {
    state.Store.CurrentLine = 1;
    // A step along the X axis means nothing for an angle: a click would land far from where the
    // user pointed.
    StepXOff(state, views);
    SetPointMode(state, views);
    state.Main.SpecialMode = specialMode;
    state.Photometry.ShowInputEnabled = false;
    state.Main.ShowInput = false;
    state.Main.ShowText = true;
    views.ApplyWindowToggles();
}

void ReleaseArmedPick(State& state, Views& views) {
    if (IsSpecialPick(state.Main.ToolMode)) {
        SetPointMode(state, views);
    }
}

void LeavePhotometryMode(State& state, Views& views) {
    SetPointMode(state, views);
    state.Main.SpecialMode = 0;
    state.Photometry.LineEnabled.fill(true);
    state.Photometry.ShowInputEnabled = true;
    // The export text comes back with the next table refresh.
    state.Output.MemoText.clear();
    views.TableChanged();
    views.ControlsChanged();
}

} // namespace lineora
