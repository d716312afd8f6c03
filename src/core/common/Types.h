#pragma once

#include <cstdint>

namespace lineora {

// The "extended" precision of chart values and angles.
using Extended = long double;

// A colour as the picture tools see it: 0x00BBGGRR, red in the lowest byte.
using TColor = std::uint32_t;

// Curves are numbered 1 to 5; index 0 of per-curve arrays is never used so that the numbers
// users see and the indices in code are the same.
constexpr int kCurveCount = 5;

} // namespace lineora

namespace lineora {

// A position on the loaded picture (not the screen): x to the right, y downward.
struct PicturePoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

// Values in chart units; on a polar chart X is the angle in degrees and Y the radius.
struct ChartPoint {
    Extended X = 0;
    Extended Y = 0;
};

} // namespace lineora
