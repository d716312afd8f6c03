#pragma once

#include "core/calibration/Calibration.h"
#include "core/common/Types.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace lineora {

// What makes a pixel part of the traced line.
enum class TraceCriterion {
    Color,   // exactly the sought colour
    Black,   // exactly black
    Special, // red beats both blue and green by more than 120
    Color2,  // at least Neighbours of its eight neighbours have exactly the second colour
};

struct TraceRequest {
    TraceCriterion Criterion = TraceCriterion::Color;
    TColor FindColor = 255;
    TColor Color2 = 0xFFFFFF;
    std::int32_t Neighbours = 3;
    std::int32_t Points = 20;
};

// The fields of the tracing dialog accept these ranges.
inline constexpr std::int32_t kMaxTracePoints = 1000;
inline constexpr std::int32_t kMaxTraceNeighbours = 8;

// The columns a trace visits: x = Left + i * Step for i = 0 .. Columns - 1, each walked from
// Top down to Bottom inclusive. Columns is 0 when the reference points leave no room.
struct TraceBand {
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Bottom = 0;
    std::int32_t Step = 1;
    std::int32_t Columns = 0;
};

// The band inside the reference points for `points` wanted points. Zero points is a division
// by zero and throws CalcError, as does a band too wide for 32-bit pixels.
TraceBand TraceBandOf(const Calibration& cal, std::int32_t points);

// The topmost pixel of each column of the band that meets the request, left to right; a column
// without one gives nothing. Off the picture every pixel reads white, and a neighbour off the
// picture never has the second colour (it reads as the invalid colour).
std::vector<PicturePoint> TraceLine(const QImage& picture, const TraceBand& band,
                                    const TraceRequest& request);

// The number a field holds when it is a whole number (blanks around and a sign allowed) from
// `low` to `high`; nothing otherwise.
std::optional<std::int32_t> WholeNumberIn(const QString& text, std::int32_t low, std::int32_t high);

} // namespace lineora
