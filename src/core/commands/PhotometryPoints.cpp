// Point admission and the mirrored curves of the photometric modes.

#include "core/commands/PhotometryCommands.h"

#include "core/commands/Commands.h"
#include "core/commands/PhotometrySupport.h"
#include "core/common/MessageKeys.h"

#include <cmath>
#include <vector>

namespace lineora {

namespace {

bool PhotometryOn(const State& state) {
    return state.Main.SpecialMode == 3 || state.Main.SpecialMode == 4;
}

// Whether the plane of `curve` (1, 2 cross; 3, 4 longitudinal) is symmetric in the dialog of
// the mode that is on.
bool PlaneSymmetric(const State& state, int curve) {
    const bool cross = curve <= 2;
    if (state.Main.SpecialMode == 3) {
        return cross ? state.Photometry.Spec3.CrossChecked : state.Photometry.Spec3.LongChecked;
    }
    return cross ? state.Photometry.Spec4.CrossChecked : state.Photometry.Spec4.LongChecked;
}

int ChartType(const State& state) {
    return state.Main.SpecialMode == 3 ? state.Photometry.Spec3ChartType
                                       : state.Photometry.Spec4ChartType;
}

// The curve that receives the mirror of a click on `curve`, or 0: curve 2 for the one-curve
// chart, else the other half of a symmetric plane.
int PartnerOf(const State& state, int curve) {
    if (ChartType(state) == 1) {
        return curve == 1 ? 2 : 0;
    }
    if ((curve == 1 || curve == 3) && PlaneSymmetric(state, curve)) {
        return curve + 1;
    }
    return 0;
}

// The sides of a plane that is not symmetric: upper and right take angles >= 0, lower and left
// angles <= 0.
bool OnWrongSide(const State& state, int curve, Extended angle) {
    if (ChartType(state) == 1 || PlaneSymmetric(state, curve)) {
        return false;
    }
    return (curve == 1 || curve == 3) ? angle < 0 : angle > 0;
}

// The polar limiting angle of the current curve's half.
Extended PolarLimit(const State& state, int curve) {
    const PolarDialogState& dialog = state.Photometry.Spec3;
    switch (curve) {
    case 1:
        return FieldNumber(state, dialog.Upper, MsgKey::FieldUpper);
    case 2:
        return FieldNumber(state, dialog.Lower, MsgKey::FieldLower);
    case 3:
        return FieldNumber(state, dialog.Right, MsgKey::FieldRight);
    default:
        return FieldNumber(state, dialog.Left, MsgKey::FieldLeft);
    }
}

void StoreTwin(State& state, Views& views, int curve, PicturePoint at) {
    if (!AppendPoint(state.Store, curve, at.X, at.Y)) {
        return; // a partner never outgrows its source; the store's ceiling holds regardless
    }
    DrawCurveMark(state, at.X, at.Y, curve);
    const std::int32_t r = state.Store.MarkRadius;
    views.PictureAreaChanged(QRect(at.X - r - 1, at.Y - r - 1, 2 * r + 3, 2 * r + 3));
}

// The polar mode keeps the click where it is and mirrors it onto the partner.
bool AdmitPolarPoint(State& state, Views& views, int curve) {
    const Extended angle = state.Cal.CursorValueX;
    const Extended radius = state.Cal.CursorValueY;
    if (!(PolarLimit(state, curve) > std::fabs(angle)) || OnWrongSide(state, curve, angle)) {
        return false;
    }
    if (const int partner = PartnerOf(state, curve)) {
        StoreTwin(state, views, partner, PolarPosition(state, -angle, radius));
    }
    return true;
}

// The partner sorted like a current curve, on values that include the point just stored.
void SortPartner(State& state, int partner) {
    const std::optional<DoubleAxisRanges> ranges = ModeAxisRanges(state);
    RecomputeAllValues(state.Store, state.Cal, state.Setup, state.Main.SpecialMode,
                       ranges ? &*ranges : nullptr);
    const int current = state.Store.CurrentLine;
    state.Store.CurrentLine = partner;
    SortCurrentLine(state.Store, state.Setup, state.Store.LineNext[partner]);
    state.Store.CurrentLine = current;
}

// The cartesian mode gives the clicked curve the positive half: a click on the negative side
// goes to the partner and its mirror to the clicked curve. In chart type 3 the second pair's
// angles count from its own axis.
bool AdmitCartesianPoint(State& state, Views& views, int curve) {
    const Extended intensity = state.Cal.CursorValueY;
    if (intensity < 0) {
        return false;
    }
    const bool shifted = state.Photometry.Spec4ChartType == 3 && curve >= 3;
    const Extended shift = shifted ? state.Photometry.Spec4Shift : 0;
    const Extended angle = state.Cal.CursorValueX + shift;
    if (OnWrongSide(state, curve, angle)) {
        return false;
    }
    const int partner = PartnerOf(state, curve);
    if (partner == 0 || angle == 0) {
        return true;
    }
    const PicturePoint mirror = CartesianPosition(state, -shift - angle, intensity);
    if (angle > 0) {
        StoreTwin(state, views, partner, mirror);
    } else {
        StoreTwin(state, views, partner, {state.Cal.MousePicX, state.Cal.MousePicY});
        state.Cal.MousePicX = mirror.X;
        state.Cal.MousePicY = mirror.Y;
    }
    SortPartner(state, partner);
    return true;
}

// Where the mirror of row `row` of `source` lies, from its values as the last refresh left
// them. The shifted second pair counts its angles from its own axis; its values in the store
// are already moved onto the first pair, so its position is converted afresh.
PicturePoint MirrorOfRow(State& state, int source, int row,
                         const std::optional<DoubleAxisRanges>& ranges) {
    if (state.Main.SpecialMode == 3) {
        const ValueEntry& value = state.Store.PointValues[row][source];
        return PolarPosition(state, -value.ValX, value.ValY);
    }
    if (state.Photometry.Spec4ChartType == 3 && source == 3) {
        const PixelEntry& p = state.Store.PointPixels[row][source];
        Calibration cal = state.Cal;
        const ChartPoint value =
            PictureToChart(cal, state.Setup, p.PixX, p.PixY, 1, ranges ? &*ranges : nullptr);
        const Extended shift = state.Photometry.Spec4Shift;
        return CartesianPosition(state, -shift - (value.X + shift), value.Y);
    }
    const ValueEntry& value = state.Store.PointValues[row][source];
    return CartesianPosition(state, -value.ValX, value.ValY);
}

} // namespace

int MirroredCurve(const State& state) {
    if (!PhotometryOn(state)) {
        return 0;
    }
    const int current = state.Store.CurrentLine;
    // The one-curve chart's curve 2 only ever holds curve 1's mirror.
    if (ChartType(state) == 1) {
        return current == 2 ? 0 : 2;
    }
    return PartnerOf(state, current);
}

bool AdmitPhotometryPoint(State& state, Views& views) {
    if (!PhotometryOn(state)) {
        return true;
    }
    // Curve 5 holds the special points, which only the picks place.
    const int curve = state.Store.CurrentLine;
    if (curve < 1 || curve > 4) {
        return false;
    }
    return state.Main.SpecialMode == 3 ? AdmitPolarPoint(state, views, curve)
                                       : AdmitCartesianPoint(state, views, curve);
}

void RebuildCompanionCurve(State& state) {
    if (!PhotometryOn(state)) {
        return;
    }
    const int source = state.Store.CurrentLine;
    const int mirror = PartnerOf(state, source);
    if (mirror == 0) {
        return;
    }
    const std::optional<DoubleAxisRanges> ranges = ModeAxisRanges(state);
    PointStore& store = state.Store;
    // Every position first: a conversion that fails leaves the mirrored curve as it was.
    std::vector<PicturePoint> mirrored;
    for (int row = kFirstRow; row < store.LineNext[source]; ++row) {
        mirrored.push_back(MirrorOfRow(state, source, row, ranges));
    }
    const int oldNext = store.LineNext[mirror];
    int row = kFirstRow;
    for (const PicturePoint& at : mirrored) {
        store.PointPixels[row++][mirror] = PixelEntry{1, at.X, at.Y};
    }
    store.LineNext[mirror] = row;
    // Rows the mirrored curve no longer holds become empty again.
    for (; row < oldNext && row <= kLastRow; ++row) {
        store.PointPixels[row][mirror] = PixelEntry{};
        store.PointValues[row][mirror] = ValueEntry{};
    }
}

} // namespace lineora
