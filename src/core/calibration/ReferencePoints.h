#pragma once

#include <cstdint>

namespace lineora {

// The three picture points a chart is calibrated by: the zero point and the points that carry
// the X-max and Y-max values. The calibration, the .gra work and the configuration keep them
// under these names, so moving them from one to another is a single assignment.
struct ReferencePoints {
    std::int32_t ZeroPointX = 0, ZeroPointY = 0;
    std::int32_t XMaxPointX = 0, XMaxPointY = 0;
    std::int32_t YMaxPointX = 0, YMaxPointY = 0;

    // The points alone, for a record that derives from this one.
    ReferencePoints& Points() { return *this; }
    const ReferencePoints& Points() const { return *this; }

    friend bool operator==(const ReferencePoints&, const ReferencePoints&) = default;
};

} // namespace lineora
