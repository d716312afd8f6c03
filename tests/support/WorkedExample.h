#pragma once

#include "core/calibration/Calibration.h"
#include "core/common/Settings.h"
#include "core/curves/PointStore.h"

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

// The worked example: zero point (100, 400), X-max (500, 400), Y-max (100, 100), X from 0 to
// 10 and Y from 0 to 3, so 40 pixels are one X unit and 100 pixels one Y unit.
inline Calibration WorkedCalibration(const Settings& settings = TestSettings()) {
    Calibration cal;
    cal.ZeroPointX = 100;
    cal.ZeroPointY = 400;
    cal.XMaxPointX = 500;
    cal.XMaxPointY = 400;
    cal.YMaxPointX = 100;
    cal.YMaxPointY = 100;
    cal.AxisXMin = 0;
    cal.AxisXMax = 10;
    cal.AxisYMin = 0;
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
