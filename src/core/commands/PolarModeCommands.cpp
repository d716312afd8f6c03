#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/PhotometrySupport.h"
#include "core/commands/SetupCommands.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/common/NumberText.h"

#include <cmath>

namespace lineora {

namespace {

// The special points' places for an angle setting: the axial intensity, the four limits.
struct SpecialPlaces {
    PicturePoint Axial, Upper, Lower, Right, Left;
};

SpecialPlaces PlacesFor(State& state, LightAngles angles) {
    const PicturePoint axial = PolarPosition(state, 0, 100);
    if (angles == LightAngles::All180) {
        const PicturePoint back = PolarPosition(state, 180, 50);
        return {axial, back, back, back, back};
    }
    const PicturePoint up = PolarPosition(state, 90, 100);
    const PicturePoint down = PolarPosition(state, 270, 100);
    return {axial, up, down, up, down};
}

void SetLimitFields(PolarDialogState& dialog, const QString& text, bool enabled) {
    dialog.Upper = dialog.Lower = dialog.Right = dialog.Left = text;
    dialog.UpperEnabled = dialog.LowerEnabled = dialog.RightEnabled = dialog.LeftEnabled = enabled;
}

// The fields and enabled flags of the angle setting and the chart type.
void ShowPolarSettings(PhotometryState& modes) {
    PolarDialogState& dialog = modes.Spec3;
    const bool all180 = dialog.Angles == LightAngles::All180;
    SetLimitFields(dialog, all180 ? QStringLiteral("180") : QStringLiteral("90"), false);
    if (dialog.Angles == LightAngles::Different) {
        dialog.UpperEnabled = dialog.RightEnabled = true;
        dialog.LowerEnabled = !dialog.CrossChecked;
        dialog.LeftEnabled = !dialog.LongChecked;
    }
    dialog.Alfa180Enabled = all180;
    dialog.Alfa180 = all180 ? QStringLiteral("50") : QStringLiteral("0");
    dialog.Int0 = QStringLiteral("100");

    auto& lines = modes.LineEnabled;
    if (modes.Spec3ChartType == 1) {
        lines = {true, true, false, false, false, false};
        dialog.CrossEnabled = dialog.LongEnabled = false;
        dialog.LowerEnabled = dialog.RightEnabled = dialog.LeftEnabled = false;
    } else {
        lines = {true, true, !dialog.CrossChecked, true, !dialog.LongChecked, false};
        dialog.CrossEnabled = dialog.LongEnabled = true;
    }
}

// Every picked point goes; the special points and the fields start again from the settings.
void PolarStateRefresh(State& state, Views& views) {
    PhotometryState& modes = state.Photometry;
    // Placed before anything changes: a calibration that cannot place them changes nothing.
    const SpecialPlaces places = PlacesFor(state, modes.Spec3.Angles);
    ReleaseArmedPick(state, views);
    PointStore& store = state.Store;
    for (int c = 1; c <= 4; ++c) {
        ClearLine(store, c);
    }
    store.CurrentLine = 1;
    PlaceSpecialPoint(store, 1, places.Axial);
    PlaceSpecialPoint(store, 2, places.Upper);
    PlaceSpecialPoint(store, 3, places.Lower);
    PlaceSpecialPoint(store, 4, places.Right);
    PlaceSpecialPoint(store, 5, places.Left);
    store.LineNext[kCurveCount] = modes.Spec3ChartType == 1 ? 3 : 6;
    ShowPolarSettings(modes);
    views.ControlsChanged();
    // The picture first: it needs no values, so a refresh that stops on a field still leaves
    // no mark of a discarded point on it.
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

// The special points of a pick; false when the click is on the wrong side for it.
bool PlacePolarPick(State& state, Tool pick, Extended angle, Extended radius) {
    PolarDialogState& dialog = state.Photometry.Spec3;
    PointStore& store = state.Store;
    const PicturePoint click{state.Cal.MousePicX, state.Cal.MousePicY};
    const QString angleText = FormatFixed(std::fabs(angle), 6, 2);
    switch (pick) {
    case Tool::PolarI0: {
        const PicturePoint axial = PolarPosition(state, 0, radius);
        dialog.Int0 = FormatFixed(radius, 8, 2);
        PlaceSpecialPoint(store, 1, axial);
        return true;
    }
    case Tool::PolarI180: {
        const PicturePoint back = PolarPosition(state, 180, radius);
        dialog.Alfa180 = FormatFixed(radius, 6, 2);
        for (int row = 2; row <= 5; ++row) {
            PlaceSpecialPoint(store, row, back);
        }
        return true;
    }
    case Tool::PolarUpper:
    case Tool::PolarRight: {
        if (!(angle > 0)) {
            return false;
        }
        const bool upper = pick == Tool::PolarUpper;
        const bool mirrored = upper ? dialog.CrossChecked : dialog.LongChecked;
        const PicturePoint mirror = mirrored ? PolarPosition(state, -angle, radius) : click;
        (upper ? dialog.Upper : dialog.Right) = angleText;
        PlaceSpecialPoint(store, upper ? 2 : 4, click);
        if (mirrored) {
            (upper ? dialog.Lower : dialog.Left) = angleText;
            PlaceSpecialPoint(store, upper ? 3 : 5, mirror);
        }
        return true;
    }
    case Tool::PolarLower:
    case Tool::PolarLeft: {
        if (!(angle < 0)) {
            return false;
        }
        const bool lower = pick == Tool::PolarLower;
        (lower ? dialog.Lower : dialog.Left) = angleText;
        PlaceSpecialPoint(store, lower ? 3 : 5, click);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

void EnterPolarMode(State& state, Views& views) {
    // The outer circle's intensity is the polar maximum: a field without a number keeps the
    // program out of the mode.
    const Extended polarMax = ParseNumber(state.Texts.PolarMaxX);
    if (polarMax == 0) {
        throw CalcError("Division by zero: the polar maximum is 0");
    }
    EnterPhotometryMode(state, views, 3);
    PhotometryState& modes = state.Photometry;
    modes.Spec3ChartType = 1;
    modes.Spec3.Angles = LightAngles::All90;
    // The chart kind before the special points are placed: they are polar points.
    SetChartKind(state, views, 2);
    modes.Spec3.IntenMax = state.Texts.PolarMaxX;
    state.Cal.AxisPolarMax = polarMax;
    PolarStateRefresh(state, views);
}

void SetPolarChartType(State& state, Views& views, int chartType) {
    state.Photometry.Spec3ChartType = chartType == 2 ? 2 : 1;
    PolarStateRefresh(state, views);
}

void SetPolarAngles(State& state, Views& views, LightAngles angles) {
    state.Photometry.Spec3.Angles = angles;
    PolarStateRefresh(state, views);
}

void SetPolarCross(State& state, Views& views, bool checked) {
    state.Photometry.Spec3.CrossChecked = checked;
    PolarStateRefresh(state, views);
}

void SetPolarLong(State& state, Views& views, bool checked) {
    state.Photometry.Spec3.LongChecked = checked;
    PolarStateRefresh(state, views);
}

void ResetPolarPoints(State& state, Views& views) {
    PolarStateRefresh(state, views);
    for (int c = 1; c <= 4; ++c) {
        ClearLine(state.Store, c);
    }
}

bool ClosePolarMode(State& state, Host& host, Views& views) {
    if (state.Main.SpecialMode != 3) {
        return true;
    }
    if (!host.AskYesNo(LoadMessage(state.Messages, MsgKey::CloseWindow))) {
        return false;
    }
    LeavePhotometryMode(state, views);
    state.Main.ShowInput = true;
    views.ApplyWindowToggles();
    return true;
}

void PolarPickClick(State& state, Views& views, Tool pick) {
    const ChartPoint click =
        PictureToChart(state.Cal, state.Setup, state.Cal.MousePicX, state.Cal.MousePicY, 1);
    PlacePolarPick(state, pick, click.X, click.Y);
    // A click on the wrong side changes nothing but still redraws.
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

} // namespace lineora
