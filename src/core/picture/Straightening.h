#pragma once

#include "core/calibration/Calibration.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace lineora {

// One of the three strips the Y axis is cut into: its ends on the axis and the centre of the
// circle its guide arc belongs to.
struct Strip {
    std::int32_t Top = 0, Bottom = 0;
    std::int32_t CentreX = 0, CentreY = 0;
    friend bool operator==(const Strip&, const Strip&) = default;
};

// The three strips along the Y axis, from the zero point up to the Y-max point. The special
// set-point mode lays its arcs on the same strips, so the record stands on its own.
struct StripGeometry {
    std::array<Strip, 4> Strips{}; // 1 top, 2 middle, 3 bottom (index 0 unused)
    std::int32_t ArcRadius = 0;    // one radius for every arc: the one computed last (strip 2)
    std::int32_t EndX = 0;         // x of every strip end: the zero point's
    std::int32_t Gap = 0;          // pixels between neighbouring strips
    friend bool operator==(const StripGeometry&, const StripGeometry&) = default;
};

// The straightener's settings for the run (not kept in the configuration) and the guide that
// is on the working image now, remembered so that erasing it repeats exactly that drawing.
struct StraightenerState {
    std::int32_t StripGap = 26;
    std::int32_t StraightenRadius = 560; // distance of the arc centres from the Y axis
    std::optional<StripGeometry> Guide;
};

// The strips for a gap and a curvature, from the zero point, the Y-max point and the X axis
// angle of `cal`. Truncates toward zero throughout; CalcError when a value leaves int32.
StripGeometry ComputeStrips(const Calibration& cal, std::int32_t gap, std::int32_t radius);

// The sideways shift of a picture row by its vertical offset from an arc centre. Offsets the
// table does not hold shift by 0.
struct RowShiftTable {
    std::int32_t Reach = -1;          // offsets -Reach .. Reach are held
    std::vector<std::int32_t> Shifts; // offset o at index o + Reach

    std::int32_t At(std::int64_t offset) const {
        if (offset < -Reach || offset > Reach) {
            return 0;
        }
        return Shifts[static_cast<std::size_t>(offset + Reach)];
    }
};

// The shifts of the bottom strip's arc, used for all three strips, sized to every offset the
// straightening of a picture `pictureHeight` rows high reads. When the arc radius is shorter
// than the strip's reach the arc cannot be followed: CalcError, nothing computed.
RowShiftTable BuildRowShift(const StripGeometry& strips, std::int32_t pictureHeight);

// Width of the straightened picture: room for the largest shift and two columns more.
std::int32_t StraightenedWidth(std::int32_t width, const RowShiftTable& shifts);

// Writes every row of `target` (made StraightenedWidth x clean height RGB32 unless it already
// is): each row of the three bands, top to bottom strip, shifted right by its shift plus 2;
// every other row copied unshifted. Where two bands overlap the lower strip wins. Whatever no
// pixel of `clean` reaches is white. `progress` gets the row now reached, now and then.
void StraightenRows(const QImage& clean, const StripGeometry& strips, const RowShiftTable& shifts,
                    QImage& target, const std::function<void(int row)>& progress = {});

} // namespace lineora
