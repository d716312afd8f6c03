#include "core/photometry/LightTable.h"

#include "core/photometry/LightTableRows.h"

namespace lineora {

using light::kSpecialCurve;

namespace {

// Rows of the special points in curve 5.
constexpr int kI0Row = 1;
constexpr int kUpperRow = 2;
constexpr int kLowerRow = 3;
constexpr int kRightRow = 4;
constexpr int kLeftRow = 5;

// The limiting angle of a special point as the angle setting gives it. A symmetric plane takes
// its second half's angle for the first.
Extended LimitAngle(const PolarTableFields& fields, int row) {
    switch (fields.Angles) {
    case LightAngles::All90:
        return 90;
    case LightAngles::All180:
        return 180;
    case LightAngles::Different:
        break;
    }
    switch (row) {
    case kUpperRow:
        return fields.Upper;
    case kLowerRow:
        return fields.CrossSymmetric ? fields.Upper : fields.Lower;
    case kRightRow:
        return fields.Right;
    default:
        return fields.LongSymmetric ? fields.Right : fields.Left;
    }
}

// Only at 180 degrees does the light of a device still reach the limit.
Extended LimitIntensity(const PolarTableFields& fields) {
    return fields.Angles == LightAngles::All180 ? fields.I180 : 0;
}

void SetValues(PointStore& store, int row, Extended x, Extended y) {
    ValueEntry& value = store.PointValues[row][kSpecialCurve];
    value.ValX = x;
    value.ValY = y;
}

ChartPoint SpecialPoint(const PointStore& store, int row) {
    const ValueEntry& value = store.PointValues[row][kSpecialCurve];
    return {value.ValX, value.ValY};
}

QStringList OneCurveTable(PointStore& store, const PolarTableFields& fields) {
    SetValues(store, kUpperRow, LimitAngle(fields, kUpperRow), LimitIntensity(fields));
    return light::OneCurveLines(store, fields.I0, SpecialPoint(store, kUpperRow));
}

QStringList TwoCurveTable(PointStore& store, const PolarTableFields& fields) {
    SetValues(store, kI0Row, 0, fields.I0);
    for (int row = kUpperRow; row <= kLeftRow; ++row) {
        SetValues(store, row, LimitAngle(fields, row), LimitIntensity(fields));
    }
    const light::PlaneLimits cross{SpecialPoint(store, kLowerRow), SpecialPoint(store, kUpperRow)};
    const light::PlaneLimits longitudinal{SpecialPoint(store, kLeftRow),
                                          SpecialPoint(store, kRightRow)};
    return light::TwoCurveLines(store, fields.I0, fields.CrossSymmetric, fields.LongSymmetric,
                                cross, longitudinal);
}

} // namespace

QStringList PolarLightTable(PointStore& store, const PolarTableFields& fields) {
    return fields.ChartType == 1 ? OneCurveTable(store, fields) : TwoCurveTable(store, fields);
}

} // namespace lineora
