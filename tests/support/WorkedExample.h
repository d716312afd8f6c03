#pragma once

#include "core/calibration/Calibration.h"
#include "core/common/Settings.h"
#include "core/curves/PointStore.h"

#include <array>
#include <ostream>
#include <vector>

namespace lineora {
inline void PrintTo(const PicturePoint& p, std::ostream* os) {
    *os << "(" << p.X << ", " << p.Y << ")";
}
} // namespace lineora

namespace lineora::test {

inline Settings TestSettings() {
    Settings settings;
    settings.XDirection = 1;
    return settings;
}

// The zero, X-max and Y-max reference points.
using RefPoints = std::array<PicturePoint, 3>;

inline RefPoints Ref(const Calibration& c) {
    return {
        {{c.ZeroPointX, c.ZeroPointY}, {c.XMaxPointX, c.XMaxPointY}, {c.YMaxPointX, c.YMaxPointY}}};
}

inline void PlaceReferences(Calibration& cal, const RefPoints& refs) {
    cal.ZeroPointX = refs[0].X;
    cal.ZeroPointY = refs[0].Y;
    cal.XMaxPointX = refs[1].X;
    cal.XMaxPointY = refs[1].Y;
    cal.YMaxPointX = refs[2].X;
    cal.YMaxPointY = refs[2].Y;
}

// The worked example: zero point (100, 400), X-max (500, 400), Y-max (100, 100), X from 0 to
// 10 and Y from 0 to 3, so 40 pixels are one X unit and 100 pixels one Y unit.
inline Calibration WorkedCalibration(const Settings& settings = TestSettings()) {
    Calibration cal;
    PlaceReferences(cal, {{{100, 400}, {500, 400}, {100, 100}}});
    cal.AxisXMax = 10;
    cal.AxisYMax = 3;
    ComputeAxisAngles(cal, settings);
    return cal;
}

// The picture positions of curve c in row order.
inline std::vector<PicturePoint> Positions(const PointStore& store, int c) {
    std::vector<PicturePoint> points;
    for (int row = kFirstRow; row < store.LineNext[c]; ++row) {
        points.push_back({store.PointPixels[row][c].PixX, store.PointPixels[row][c].PixY});
    }
    return points;
}

} // namespace lineora::test
