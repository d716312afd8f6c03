#pragma once

#include "core/calibration/ReferencePoints.h"
#include "core/common/Settings.h"
#include "core/common/Types.h"

#include <cstdint>
#include <functional>

namespace lineora {

// Ties the picture to the chart drawn on it: three reference points, the axis values that
// belong to them, and what the conversions derive from them. One record for the whole run.
struct Calibration : ReferencePoints {
    // On a logarithmic axis these are exponents of the chart value at the reference point.
    double AxisXMin = 0, AxisXMax = 0, AxisYMin = 0, AxisYMax = 0;
    // Polar charts: the radius that belongs to the zero point's distance to the X-max point.
    Extended AxisPolarMax = 0;

    // Derived; not kept current by themselves (see the operations).
    std::int32_t AxisLenX = 0, AxisLenY = 0;
    Extended AxisAngleX = 0, AxisAngleY = 0; // radians, counter-clockwise as seen on screen
    double AxisLenXExact = 0, AxisLenYExact = 0, YAxisKeepLen = 0;
    Extended YMaxOffsetX = 0, YMaxOffsetY = 0;
    std::int32_t FrameX = 0, FrameY = 0; // the last converted point in the axis frame
    Extended PointAngle = 0;             // direction from the zero point to that point

    // The working position of the last click and its chart values (rules of curve 1).
    std::int32_t MousePicX = 0, MousePicY = 0;
    Extended CursorValueX = 0, CursorValueY = 0;

    // Step-X picking: the crosshair's chart values and picture position.
    Extended SnapLowX = 0, SnapHighX = 0;
    Extended SnapValueX = 0, SnapValueY = 0;
    std::int32_t SnapPicX = 0, SnapPicY = 0;
};

// The double-X-axis mode replaces the axis values at every conversion with the numbers of its
// own window: curves 1 and 2 take MinX1..MaxX1, every curve takes MinY..MaxY.
struct DoubleAxisRanges {
    double MinX1 = 0, MaxX1 = 0, MinY = 0, MaxY = 0;
};

void ComputeAxisLengths(Calibration& cal);
void ComputeAxisAngles(Calibration& cal, const Settings& settings);

// A picture point in the axis frame (whole pixels along the X axis and toward the Y-max
// point), with the direction from the zero point to the picture point (the record's
// PointAngle).
struct FramePoint {
    PicturePoint Frame;
    Extended Angle = 0;
};

FramePoint PictureToFrame(const Calibration& cal, const Settings& settings, std::int32_t px,
                          std::int32_t py);

// Axis frame to chart values. `doubleAxis` is given only in the double-X-axis mode; it then
// overwrites the axis values in `cal`, as that mode requires.
ChartPoint FrameToChart(Calibration& cal, const Settings& settings, std::int32_t fx,
                        std::int32_t fy, std::int32_t lenX, std::int32_t lenY, int line,
                        const DoubleAxisRanges* doubleAxis = nullptr);

// ComputeAxisLengths, PictureToFrame into FrameX/FrameY and PointAngle, FrameToChart. The
// lengths and the angle stay in the record for the status bar and the later conversions. On a
// CalcError the record is left as it was.
ChartPoint PictureToChart(Calibration& cal, const Settings& settings, std::int32_t px,
                          std::int32_t py, int line, const DoubleAxisRanges* doubleAxis = nullptr);

// Chart values (linear or polar) to the picture, with AxisLenX/AxisLenY as they stand.
PicturePoint ChartToPicture(const Calibration& cal, const Settings& settings, Extended x,
                            Extended y);

// Rounds CursorValueX to the nearest multiple of StepX (a tie goes up) and places the
// crosshair at SnapPicX, SnapPicY; linear whatever the scale kinds.
void SnapToStepX(Calibration& cal, const Settings& settings);

// Move a reference point, keeping it off the other two (5-pixel shifts, written back to
// MousePicX) and the Y axis perpendicular to the X axis. All or nothing on a CalcError.
void SetZeroPoint(Calibration& cal, const Settings& settings, bool axis90Mode, std::int32_t px,
                  std::int32_t py);
void SetXMaxPoint(Calibration& cal, const Settings& settings, bool axis90Mode, std::int32_t px,
                  std::int32_t py);
void SetYMaxPoint(Calibration& cal, const Settings& settings, bool axis90Mode, std::int32_t px,
                  std::int32_t py);

// Makes the X axis horizontal and the Y axis vertical. `drawAxes` runs before and after (the
// not-xor overlay erases the old axes and draws the new); the caller then refreshes.
void LevelAxes(Calibration& cal, const std::function<void()>& drawAxes);

// Puts the Y axis on the other side of the X axis (d = +1 right, -1 left).
void SetXDirection(Calibration& cal, Settings& settings, std::int32_t d);

} // namespace lineora
