#include "core/photometry/LightTable.h"

#include "core/common/Errors.h"
#include "core/common/NumberText.h"
#include "core/photometry/LightTableRows.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lineora {

using light::kSpecialCurve;

namespace {

// Rows of curve 5: the first pair's axial point (I0) and the second pair's.
constexpr int kFirstAxisRow = 1;
constexpr int kSecondAxisRow = 2;

// The halves on the negative side are picked outwards from 0 or sorted upwards by the store;
// the table wants them from the angle nearest 0 outwards, like the positive halves. Only the
// values move: the picture positions keep the order the store sorts them in, so that the next
// sort of the curve (the window sorts the curve being picked at every click) finds them in
// order rather than reversed, and the next recompute puts the values back beside them. A
// stable sort by decreasing angle gives the rows a bubble sort would.
void SortByDecreasingAngle(PointStore& store, int c) {
    std::vector<ChartPoint> points;
    points.reserve(static_cast<std::size_t>(PointCount(store, c)));
    for (int row = kFirstRow; row < store.LineNext[c]; ++row) {
        const ValueEntry& value = store.PointValues[row][c];
        points.push_back({value.ValX, value.ValY});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const ChartPoint& a, const ChartPoint& b) { return a.X > b.X; });
    int row = kFirstRow;
    for (const ChartPoint& point : points) {
        ValueEntry& value = store.PointValues[row][c];
        value.ValX = point.X;
        value.ValY = point.Y;
        ++row;
    }
}

// Chart type 3: the second pair was drawn with its own angle origin and intensity scale. Its
// axial point (point 2 of curve 5) goes onto angle 0 and its axial intensity onto I0.
PairShift ShiftSecondPair(PointStore& store) {
    const Extended a = store.PointValues[kFirstAxisRow][kSpecialCurve].ValY;
    const Extended b = store.PointValues[kSecondAxisRow][kSpecialCurve].ValY;
    if (b == 0) {
        throw CalcError("Division by zero: the axial intensity of the second curve pair is 0");
    }
    PairShift shift;
    shift.Scale = a / b;
    if (!std::isfinite(shift.Scale)) {
        throw CalcError("The intensity factor of the second curve pair is outside the "
                        "floating-point range (floating point overflow)");
    }
    shift.Shift = -store.PointValues[kSecondAxisRow][kSpecialCurve].ValX;
    shift.Label = FormatPattern(QStringLiteral("%6.0f/%6.0f=%8.4f"), {a, b, shift.Scale});
    for (const int c : {3, 4}) {
        for (int row = kFirstRow; row < store.LineNext[c]; ++row) {
            ValueEntry& value = store.PointValues[row][c];
            value.ValX += shift.Shift;
            value.ValY *= shift.Scale;
        }
    }
    return shift;
}

} // namespace

QStringList CartesianLightTable(PointStore& store, const CartesianTableFields& fields,
                                PairShift* shift) {
    const Extended i0 = store.PointValues[kFirstAxisRow][kSpecialCurve].ValY;
    if (fields.ChartType == 1) {
        return light::OneCurveLines(store, i0, std::nullopt);
    }
    if (fields.ChartType == 3) {
        const PairShift made = ShiftSecondPair(store);
        if (shift != nullptr) {
            *shift = made;
        }
    }
    SortByDecreasingAngle(store, 2);
    SortByDecreasingAngle(store, 4);
    return light::TwoCurveLines(store, i0, fields.CrossSymmetric, fields.LongSymmetric,
                                std::nullopt, std::nullopt);
}

} // namespace lineora
