#pragma once

#include "core/common/Types.h"

#include <QImage>

#include <cstdint>
#include <optional>
#include <vector>

namespace lineora {

// The neighbour threshold of automatic digitizing takes these values.
inline constexpr std::int32_t kMinAutoThreshold = 0;
inline constexpr std::int32_t kMaxAutoThreshold = 8;
inline constexpr std::int32_t kDefaultAutoThreshold = 3;

// The two axis lines of a plain black-on-white chart.
struct AxisLines {
    std::int32_t Row = 0;    // the horizontal axis
    std::int32_t Column = 0; // the vertical axis
};

// The row of 150..1000 with the most dark pixels in columns 20..200, and the column of
// 20..200 with the most dark pixels in rows 20..350. Ties go to the smaller coordinate; a
// window without dark pixels gives 0. A pixel is dark when all three components are below
// 100; off the picture it reads white.
AxisLines FindAxisLines(const QImage& clean);

// The far ends of the axis lines: the last dark pixel of the axis row going right from the
// axis column, and of the axis column going up from the axis row.
struct AxisEnds {
    std::int32_t XMaxColumn = 0;
    std::int32_t YMaxRow = 0;
};

// Walks each axis line from the corner where they meet. A gap of one pixel is stepped over (a
// scanned line has such breaks, and tick marks cross the line and so never stop the walk); two
// light pixels in a row end it. Nothing when the corner pixel is not dark or either line has
// no dark pixel beyond it.
std::optional<AxisEnds> FindAxisEnds(const QImage& clean, const AxisLines& axes);

// The curve at 30 columns, 35 pixels right of the vertical axis and 15 apart: in each, the
// first dark pixel met walking up from the axis row (to row 56 at the highest) that has at
// least `threshold` dark pixels among its six side neighbours. Left to right, at most one per
// column.
std::vector<PicturePoint> SampleCurve(const QImage& clean, const AxisLines& axes,
                                      std::int32_t threshold);

} // namespace lineora
