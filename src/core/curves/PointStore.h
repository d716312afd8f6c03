#pragma once

#include "core/calibration/Calibration.h"
#include "core/common/Host.h"
#include "core/common/Messages.h"
#include "core/common/Settings.h"
#include "core/common/Types.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace lineora {

// Row 0 is never used and row 1001 stays zero, so that closing a gap can always copy "the row
// behind" the last point without a bounds test.
constexpr int kFirstRow = 1;
constexpr int kLastRow = 1000;
constexpr int kRowCount = kLastRow + 2;
// A curve takes at most this many points picked by hand; the 1000th click is refused.
constexpr std::int32_t kHandPickedCapacity = 999;
// No appender may push LineNext past this: it would point past the last usable row.
constexpr std::int32_t kLineNextCeiling = kLastRow + 1;

// A point's picture position: the stored truth.
struct PixelEntry {
    std::int32_t Used = 0, PixX = 0, PixY = 0;
    friend bool operator==(const PixelEntry&, const PixelEntry&) = default;
};

// A point's chart values, derived from its PixelEntry; Valid is 1.0 while they are current.
struct ValueEntry {
    Extended Valid = 0, ValX = 0, ValY = 0;
    friend bool operator==(const ValueEntry&, const ValueEntry&) = default;
};

// Row i holds the i-th point of every curve, indexed by curve number 1..5 (entry 0 unused).
using PixelRow = std::array<PixelEntry, kCurveCount + 1>;
using ValueRow = std::array<ValueEntry, kCurveCount + 1>;
using PerCurve = std::array<std::int32_t, kCurveCount + 1>;

// The five curves the user digitizes. The tables are some 300 KB, hence on the heap.
struct PointStore {
    std::vector<PixelRow> PointPixels = std::vector<PixelRow>(kRowCount);
    std::vector<ValueRow> PointValues = std::vector<ValueRow>(kRowCount);
    // Next free row of each curve: number of points + 1, so 1 means empty.
    PerCurve LineNext = {1, 1, 1, 1, 1, 1};
    std::int32_t CurrentLine = 1;
    std::int32_t MarkRadius = 3;
    bool ConnectPoints = false;
    // Cleared by a special mode to veto the click being stored.
    bool AcceptPoint = true;
    // The point chosen for nudging.
    bool PointSelected = false;
    std::int32_t SelectedLine = 0;
    std::int32_t SelectedRow = 0;
};

// Number of points curve c holds.
inline std::int32_t PointCount(const PointStore& store, int c) {
    return store.LineNext[c] - 1;
}

void ClearLine(PointStore& store, int c);
void ClearAllLines(PointStore& store);

// Stores (px, py) in the next free row of curve c. False, with nothing changed, when the curve
// has no usable row left.
bool AppendPoint(PointStore& store, int c, std::int32_t px, std::int32_t py);

enum class AddPointResult { Erased, Full, Duplicate, Vetoed, Added };

// What the click flow needs from outside the store; every member may be left empty.
struct AddPointHooks {
    // Moves the click onto the drawn line; empty while autocorrection is off.
    std::function<PicturePoint(PicturePoint)> AutoCorrect;
    // The special modes' admission test; returns whether the point may be stored. It may move
    // the working position (a mirrored click) or store companions on other curves itself.
    std::function<bool()> SpecialHook;
    std::function<void(std::int32_t x, std::int32_t y, std::int32_t r, int c)> DrawMark;
    std::function<void()> RefreshAll;
    // Rebuilds the special modes' companion curves after a Ctrl-click erase removed a point.
    std::function<void()> RebuildCompanions;
    // Given in the double X axis mode, whose angle range replaces the typed axis values.
    const DoubleAxisRanges* DoubleAxis = nullptr;
};

// Stores the working position (cal.MousePicX, cal.MousePicY) in the current curve, or with
// ctrlLeft erases around it. The click's chart values are left in cal.CursorValueX/Y. A
// CalcError from the conversion propagates with nothing stored.
AddPointResult AddPoint(PointStore& store, Calibration& cal, const Settings& settings, Host& host,
                        const MessageCatalog& catalog, bool ctrlLeft, const AddPointHooks& hooks);

// One pass over the current curve removing points within the tolerances; a point that moves up
// into a freed row is not looked at again, so callers that must clear a spot call it twice.
// refreshAll runs after each removal, then afterRemoval: the special modes rebuild their
// companion curves there from the freshly recomputed values. Returns how many were removed.
int ErasePoints(PointStore& store, std::int32_t x, std::int32_t y, std::int32_t tolX,
                std::int32_t tolY, const std::function<void()>& refreshAll,
                const std::function<void()>& afterRemoval = {});

// Selects the point of the current curve within 2 pixels of (x, y), the later row when several
// are. Returns its row, or 0 (selection untouched) when none is near.
int GrabPoint(PointStore& store, std::int32_t x, std::int32_t y);

// Rebuilds every chart value from the picture positions. specialMode 3 stores |x|; in mode 4
// doubleAxis, when given, converts with that mode's ranges and values the three fixed points
// of curve 5. On a CalcError the rows done so far keep their values, the rest read 0.
void RecomputeAllValues(PointStore& store, Calibration& cal, const Settings& settings,
                        int specialMode, const DoubleAxisRanges* doubleAxis = nullptr);

// Everything a point's chart values are computed from besides its own position.
struct ConversionKey {
    ReferencePoints Points;
    double AxisXMin = 0, AxisXMax = 0, AxisYMin = 0, AxisYMax = 0;
    Extended AxisPolarMax = 0, AxisAngleX = 0;
    std::int32_t AxisLenX = 0, AxisLenY = 0;
    ScaleKind ScaleX = ScaleKind::Linear, ScaleY = ScaleKind::Linear;
    std::int32_t XDirection = 0, TypeOfCurve = 0, SpecialMode = 0;
    friend bool operator==(const ConversionKey&, const ConversionKey&) = default;
};

// The positions and values of the last refresh under one key. A row whose position and value
// both still match needs no conversion: its value is what converting would give again.
struct ValueMemo {
    bool Valid = false;
    ConversionKey Key;
    std::vector<PixelRow> Pixels;
    std::vector<ValueRow> Values;
};

// RecomputeAllValues with the same result, recalibrating only the rows that changed since the
// last refresh through `memo` (an undone click converts one point, not five thousand). The
// double X axis mode always takes the whole pass.
void RefreshValues(PointStore& store, Calibration& cal, const Settings& settings, int specialMode,
                   const DoubleAxisRanges* doubleAxis, ValueMemo& memo);

// Stable sort of the current curve by X value; n is its LineNext. Only the positions and
// values move: Used and Valid describe the row, not the point.
void SortCurrentLine(PointStore& store, const Settings& settings, int n);

} // namespace lineora
