#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/PhotometrySupport.h"
#include "core/commands/SetupCommands.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"

#include <array>

namespace lineora {

namespace {

// Curve 5's rows until the picks place them: the first pair's and the second pair's axial
// points, and four rows nothing reads.
constexpr std::array<PicturePoint, 6> kPlaceholders{
    {{10, 10}, {15, 15}, {20, 20}, {25, 25}, {30, 30}, {35, 35}}};

// Chart type 3 shows the two axial picks and the shift; the others the first pair's pick.
void ShowPickButtons(CartesianDialogState& dialog, bool shifted) {
    dialog.Axis1Int0Visible = !shifted;
    dialog.SetPointY1Visible = shifted;
    dialog.SetPointY2Visible = shifted;
    dialog.KoefVisible = shifted;
}

// The main window's curve buttons of the two-curve charts: both planes' halves, except the
// half a symmetric plane mirrors.
void EnableTwoCurveLines(PhotometryState& modes) {
    modes.LineEnabled = {true, true, !modes.Spec4.CrossChecked, true, !modes.Spec4.LongChecked,
                         false};
}

QLatin1String NameKey(CartesianField field) {
    switch (field) {
    case CartesianField::MinX1:
        return MsgKey::FieldMinX1;
    case CartesianField::MaxX1:
        return MsgKey::FieldMaxX1;
    case CartesianField::MinY:
        return MsgKey::FieldMinY;
    case CartesianField::MaxY:
        break;
    }
    return MsgKey::FieldMaxY;
}

// The axis-value field of the same meaning.
QString& AxisText(AxisTexts& texts, CartesianField field) {
    switch (field) {
    case CartesianField::MinX1:
        return texts.MinX;
    case CartesianField::MaxX1:
        return texts.MaxX;
    case CartesianField::MinY:
        return texts.MinY;
    case CartesianField::MaxY:
        break;
    }
    return texts.MaxY;
}

// A plane's symmetry box: the mirrored half (curve 2 or 4) is filled by the clicks on the
// other half while the box is checked, so the user is kept off it.
void SetSymmetry(State& state, Views& views, bool& box, int mirrored, bool checked) {
    box = checked;
    state.Photometry.LineEnabled[mirrored] = !checked;
    state.Store.CurrentLine = 1;
    views.ControlsChanged();
    // The points stay; the table follows the plane's new symmetry at once.
    RefreshAll(state, views);
}

} // namespace

void EnterCartesianMode(State& state, Views& views) {
    EnterPhotometryMode(state, views, 4);
    PhotometryState& modes = state.Photometry;
    modes.Spec4Scale = 1;
    modes.Spec4Shift = 0;
    SetChartKind(state, views, 1);
    modes.Spec4ChartType = 1;
    CartesianDialogState& dialog = modes.Spec4;
    dialog.Tip3Enabled = false;
    ShowPickButtons(dialog, false);
    modes.LineEnabled = {true, true, false, false, false, false};
    dialog.CrossChecked = dialog.LongChecked = true;
    dialog.CrossEnabled = dialog.LongEnabled = false;

    ClearAllLines(state.Store);
    for (int row = 1; row <= static_cast<int>(kPlaceholders.size()); ++row) {
        PlaceSpecialPoint(state.Store, row, kPlaceholders[static_cast<std::size_t>(row - 1)]);
    }
    state.Store.LineNext[kCurveCount] = 2;
    dialog.MinX1 = state.Texts.MinX;
    dialog.MaxX1 = state.Texts.MaxX;
    dialog.MinY = state.Texts.MinY;
    dialog.MaxY = state.Texts.MaxY;
    views.ControlsChanged();
    RedrawPicture(state, views);
    // The mode's table in the text output at once, not the export text of before.
    RefreshAll(state, views);
}

void ChooseCartesianOneCurve(State& state, Views& views) {
    PhotometryState& modes = state.Photometry;
    modes.Spec4ChartType = 1;
    modes.Spec4.Tip3Enabled = false;
    ShowPickButtons(modes.Spec4, false);
    modes.LineEnabled = {true, true, false, false, false, false};
    modes.Spec4.CrossEnabled = modes.Spec4.LongEnabled = false;
    views.ControlsChanged();
    ResetCartesianPoints(state, views);
}

void ChooseCartesianTwoCurves(State& state, Views& views, bool shifted) {
    PhotometryState& modes = state.Photometry;
    modes.Spec4.Tip3Enabled = true;
    modes.Spec4.Tip3Checked = shifted;
    modes.Spec4ChartType = shifted ? 3 : 2;
    ShowPickButtons(modes.Spec4, shifted);
    modes.Spec4.CrossEnabled = modes.Spec4.LongEnabled = true;
    EnableTwoCurveLines(modes);
    views.ControlsChanged();
    ResetCartesianPoints(state, views);
}

void SetCartesianCross(State& state, Views& views, bool checked) {
    SetSymmetry(state, views, state.Photometry.Spec4.CrossChecked, 2, checked);
}

void SetCartesianLong(State& state, Views& views, bool checked) {
    SetSymmetry(state, views, state.Photometry.Spec4.LongChecked, 4, checked);
}

void ResetCartesianPoints(State& state, Views& views) {
    ReleaseArmedPick(state, views);
    PointStore& store = state.Store;
    store.CurrentLine = 1;
    for (int c = 1; c <= 4; ++c) {
        ClearLine(store, c);
    }
    // Curve 5's places stay; chart type 3 shows the second pair's axial point too.
    store.LineNext[kCurveCount] = state.Photometry.Spec4ChartType == 3 ? 3 : 2;
    // The picture first: a table that stops on the shift leaves no discarded mark behind.
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

void CartesianFieldEntered(State& state, Views& views, CartesianField field) {
    if (state.Main.SpecialMode != 4) {
        return;
    }
    QString& text = FieldText(state.Photometry.Spec4, field);
    FieldNumber(state, text, NameKey(field));
    AxisText(state.Texts, field) = text;
    RefreshAll(state, views);
}

bool CloseCartesianMode(State& state, Host& host, Views& views) {
    if (state.Main.SpecialMode != 4) {
        return true;
    }
    if (!host.AskYesNo(LoadMessage(state.Messages, MsgKey::CloseWindow))) {
        return false;
    }
    LeavePhotometryMode(state, views);
    return true;
}

void CartesianPickClick(State& state, Views& views, Tool pick) {
    const std::optional<DoubleAxisRanges> ranges = ModeAxisRanges(state);
    const ChartPoint click = PictureToChart(state.Cal, state.Setup, state.Cal.MousePicX,
                                            state.Cal.MousePicY, 1, ranges ? &*ranges : nullptr);
    if (pick == Tool::PairAxis2) {
        PlaceSpecialPoint(state.Store, 2, {state.Cal.MousePicX, state.Cal.MousePicY});
    } else {
        PlaceSpecialPoint(state.Store, 1, CartesianPosition(state, 0, click.Y));
    }
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

} // namespace lineora
