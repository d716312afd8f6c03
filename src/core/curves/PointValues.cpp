#include "core/curves/PointStore.h"

#include "core/common/Errors.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lineora {

namespace {

// The double X axis mode keeps its axial points in the first rows of curve 5, whatever their
// used flags say.
constexpr int kFixedPointCurve = 5;
constexpr int kFixedPointRows = 3;

void ClearValues(PointStore& store) {
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        for (int c = 1; c <= kCurveCount; ++c) {
            store.PointValues[row][c] = ValueEntry{};
        }
    }
}

// The record keeps the last point converted: when the mouse then stands where no value can be
// computed, the status bar still shows that point's angle.
PicturePoint KeepFramed(Calibration& cal, const FramePoint& framed) {
    cal.FrameX = framed.Frame.X;
    cal.FrameY = framed.Frame.Y;
    cal.PointAngle = framed.Angle;
    return framed.Frame;
}

// Frame to chart values linearly with the double-axis window's first angle range, as the mode's
// own points require even when the axis values of curve 3 and 4 differ.
ChartPoint FixedPointValue(Calibration& cal, const DoubleAxisRanges& ranges, PicturePoint frame) {
    cal.AxisXMin = ranges.MinX1;
    cal.AxisXMax = ranges.MaxX1;
    cal.AxisYMin = ranges.MinY;
    cal.AxisYMax = ranges.MaxY;
    if (cal.AxisLenX == 0 || cal.AxisLenY == 0) {
        throw CalcError("Division by zero: an axis has no length (two reference points "
                        "coincide)");
    }
    const Extended x = cal.AxisXMin + (static_cast<Extended>(cal.AxisXMax) - cal.AxisXMin) /
                                          cal.AxisLenX * frame.X;
    const Extended y = cal.AxisYMin + (static_cast<Extended>(cal.AxisYMax) - cal.AxisYMin) /
                                          cal.AxisLenY * frame.Y;
    return {x, y};
}

ValueEntry ConvertRow(const PointStore& store, Calibration& cal, const Settings& settings, int c,
                      int row, int specialMode, const DoubleAxisRanges* doubleAxis) {
    const PixelEntry& p = store.PointPixels[row][c];
    const PicturePoint frame = KeepFramed(cal, PictureToFrame(cal, settings, p.PixX, p.PixY));
    const ChartPoint value =
        FrameToChart(cal, settings, frame.X, frame.Y, cal.AxisLenX, cal.AxisLenY, c, doubleAxis);
    // The light-distribution mode folds both halves of a polar chart onto positive angles.
    const Extended x = specialMode == 3 ? std::fabs(value.X) : value.X;
    return ValueEntry{1, x, value.Y};
}

void RecomputeCurve(PointStore& store, Calibration& cal, const Settings& settings, int c,
                    int specialMode, const DoubleAxisRanges* doubleAxis) {
    for (int row = kFirstRow; row <= kLastRow && store.PointPixels[row][c].Used == 1; ++row) {
        store.PointValues[row][c] =
            ConvertRow(store, cal, settings, c, row, specialMode, doubleAxis);
    }
}

void RecomputeFixedPoints(PointStore& store, Calibration& cal, const Settings& settings,
                          const DoubleAxisRanges& ranges) {
    for (int row = kFirstRow; row <= kFixedPointRows; ++row) {
        const PixelEntry& p = store.PointPixels[row][kFixedPointCurve];
        const PicturePoint frame = KeepFramed(cal, PictureToFrame(cal, settings, p.PixX, p.PixY));
        const ChartPoint value = FixedPointValue(cal, ranges, frame);
        store.PointValues[row][kFixedPointCurve] = ValueEntry{1, value.X, value.Y};
    }
}

// The end of the rows a full pass converts: it stops at the first unused row.
int ConvertedEnd(const std::vector<PixelRow>& pixels, int c) {
    int row = kFirstRow;
    while (row <= kLastRow && pixels[row][c].Used == 1) {
        ++row;
    }
    return row;
}

ConversionKey KeyOf(const Calibration& cal, const Settings& settings, int specialMode) {
    return ConversionKey{cal,
                         cal.AxisXMin,
                         cal.AxisXMax,
                         cal.AxisYMin,
                         cal.AxisYMax,
                         cal.AxisPolarMax,
                         cal.AxisAngleX,
                         cal.AxisLenX,
                         cal.AxisLenY,
                         settings.ScaleX,
                         settings.ScaleY,
                         settings.XDirection,
                         settings.TypeOfCurve,
                         specialMode};
}

// Converts the rows whose position or value differ from the memo, which follows along.
void RefreshChangedRows(PointStore& store, Calibration& cal, const Settings& settings,
                        int specialMode, ValueMemo& memo) {
    int lastCurve = 0;
    for (int c = 1; c <= kCurveCount; ++c) {
        const int end = ConvertedEnd(store.PointPixels, c);
        const int memoEnd = ConvertedEnd(memo.Pixels, c);
        for (int row = kFirstRow; row <= kLastRow; ++row) {
            const PixelEntry& pixel = store.PointPixels[row][c];
            ValueEntry& value = store.PointValues[row][c];
            if (pixel == memo.Pixels[row][c] && value == memo.Values[row][c] &&
                (row < end) == (row < memoEnd)) {
                continue;
            }
            value = row < end ? ConvertRow(store, cal, settings, c, row, specialMode, nullptr)
                              : ValueEntry{};
            memo.Pixels[row][c] = pixel;
            memo.Values[row][c] = value;
        }
        lastCurve = end > kFirstRow ? c : lastCurve;
    }
    // A full pass leaves the record on the last point it converted.
    if (lastCurve != 0) {
        const PixelEntry& last =
            store.PointPixels[ConvertedEnd(store.PointPixels, lastCurve) - 1][lastCurve];
        KeepFramed(cal, PictureToFrame(cal, settings, last.PixX, last.PixY));
    }
}

} // namespace

void RefreshValues(PointStore& store, Calibration& cal, const Settings& settings, int specialMode,
                   const DoubleAxisRanges* doubleAxis, ValueMemo& memo) {
    const bool doubleAxisMode = specialMode == 4 && doubleAxis != nullptr;
    ComputeAxisLengths(cal);
    const ConversionKey key = KeyOf(cal, settings, specialMode);
    const bool usable = memo.Valid && !doubleAxisMode && memo.Key == key;
    memo.Valid = false; // until the rows and the memo agree again
    if (usable) {
        try {
            RefreshChangedRows(store, cal, settings, specialMode, memo);
            memo.Valid = true;
            return;
        } catch (const CalcError&) {
            // The full pass fails in the same way and leaves the rows as it always does.
        }
    }
    RecomputeAllValues(store, cal, settings, specialMode, doubleAxis);
    if (!doubleAxisMode) {
        memo.Key = key;
        memo.Pixels = store.PointPixels;
        memo.Values = store.PointValues;
        memo.Valid = true;
    }
}

void RecomputeAllValues(PointStore& store, Calibration& cal, const Settings& settings,
                        int specialMode, const DoubleAxisRanges* doubleAxis) {
    ClearValues(store);
    ComputeAxisLengths(cal);
    const DoubleAxisRanges* ranges = specialMode == 4 ? doubleAxis : nullptr;
    for (int c = 1; c <= kCurveCount; ++c) {
        RecomputeCurve(store, cal, settings, c, specialMode, ranges);
    }
    if (ranges != nullptr) {
        RecomputeFixedPoints(store, cal, settings, *ranges);
    }
}

void SortCurrentLine(PointStore& store, const Settings& settings, int n) {
    if (!settings.MakeSort || n < 3) {
        return;
    }
    const int c = store.CurrentLine;
    // Bubble sort keeps equal X in click order. Rows past the last swap of a pass are in their
    // final place, so the next pass stops there; the swaps made are the same as without that.
    // "<" rather than "not >=" so that a NaN could never keep the passes going.
    int end = std::min(n, static_cast<int>(kLineNextCeiling)) - 1;
    while (end > kFirstRow) {
        int lastSwap = kFirstRow;
        for (int i = kFirstRow; i < end; ++i) {
            ValueEntry& a = store.PointValues[i][c];
            ValueEntry& b = store.PointValues[i + 1][c];
            if (b.ValX < a.ValX) {
                PixelEntry& pa = store.PointPixels[i][c];
                PixelEntry& pb = store.PointPixels[i + 1][c];
                std::swap(pa.PixX, pb.PixX);
                std::swap(pa.PixY, pb.PixY);
                std::swap(a.ValX, b.ValX);
                std::swap(a.ValY, b.ValY);
                lastSwap = i;
            }
        }
        end = lastSwap;
    }
}

} // namespace lineora
