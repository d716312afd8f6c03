#include "core/calibration/Calibration.h"

#include "core/common/Errors.h"
#include "core/common/Rounding.h"

#include <cmath>
#include <numbers>

namespace lineora {

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

// Squares are taken in 64 bits: positions nudged far off the picture would overflow int32.
Extended Distance(std::int64_t dx, std::int64_t dy) {
    return std::sqrt(static_cast<Extended>(dx * dx + dy * dy));
}

// With the Y axis on the clockwise side of the X axis (XDirection -1) the frame y is measured
// toward that side, so the Y-max point keeps the value typed for it in both directions.
int FrameYSign(const Settings& settings) {
    return settings.XDirection == -1 ? -1 : 1;
}

// Polar angles are positive on the side drawn above the X axis, whichever way the axis points
// and whichever side the Y axis was put on. The frame y runs toward the Y axis; this sign turns
// it toward the side above the axis: the X direction flips it once, an X axis drawn pointing
// left (AxisAngleX beyond a right angle either way, as ComputeAxisAngles gives it) once more.
int PolarSideSign(const Calibration& cal, const Settings& settings) {
    const int leftward = std::fabs(cal.AxisAngleX) > kPi / 2 ? -1 : 1;
    return FrameYSign(settings) * leftward;
}

Extended CheckedQuotient(Extended numerator, Extended denominator, const char* what) {
    if (denominator == 0) {
        throw CalcError(std::string("Division by zero: ") + what);
    }
    return numerator / denominator;
}

Extended CheckedFinite(Extended value) {
    if (!std::isfinite(value)) {
        throw CalcError("The value is outside the floating-point range (floating point overflow)");
    }
    return value;
}

Extended ApplyScale(ScaleKind kind, Extended t) {
    switch (kind) {
    case ScaleKind::Log10:
        return CheckedFinite(std::pow(10.0L, t));
    case ScaleKind::Ln:
        return CheckedFinite(std::exp(t));
    case ScaleKind::Linear:
    case ScaleKind::None: // a damaged configuration can leave an axis without a kind
        return t;
    }
    return t;
}

// Frame point to picture point on the current axes (the last step of ChartToPicture).
PicturePoint FrameToPicture(const Calibration& cal, const Settings& settings, std::int32_t fx,
                            std::int32_t fy) {
    const Extended r = Distance(fx, fy);
    const Extended b =
        std::atan2(static_cast<Extended>(FrameYSign(settings) * fy), static_cast<Extended>(fx));
    const std::int32_t dx = RoundHalfEven(std::cos(cal.AxisAngleX + b) * r);
    const std::int32_t dy = RoundHalfEven(std::sin(cal.AxisAngleX + b) * r);
    return {RoundHalfEven(static_cast<Extended>(cal.ZeroPointX) + dx),
            RoundHalfEven(static_cast<Extended>(cal.ZeroPointY) - dy)};
}

// Puts the Y-max point at YAxisKeepLen along AxisAngleY from the zero point.
void ReplaceYMaxPoint(Calibration& cal) {
    cal.YMaxOffsetY = std::sin(cal.AxisAngleY) * static_cast<Extended>(cal.YAxisKeepLen);
    cal.YMaxOffsetX = std::cos(cal.AxisAngleY) * static_cast<Extended>(cal.YAxisKeepLen);
    const std::int32_t offsetY = RoundHalfEven(cal.YMaxOffsetY);
    const std::int32_t offsetX = RoundHalfEven(cal.YMaxOffsetX);
    cal.YMaxPointY = RoundHalfEven(static_cast<Extended>(cal.ZeroPointY) - offsetY);
    cal.YMaxPointX = RoundHalfEven(static_cast<Extended>(cal.ZeroPointX) + offsetX);
}

void MeasureAxes(Calibration& cal) {
    cal.AxisLenXExact =
        static_cast<double>(Distance(cal.ZeroPointX - std::int64_t{cal.XMaxPointX},
                                     cal.ZeroPointY - std::int64_t{cal.XMaxPointY}));
    cal.AxisLenYExact =
        static_cast<double>(Distance(cal.ZeroPointX - std::int64_t{cal.YMaxPointX},
                                     cal.ZeroPointY - std::int64_t{cal.YMaxPointY}));
}

// Moves the click off a reference point it would coincide with; the shift is written back to
// the working position so that later steps of the same click see it.
void StepOff(Calibration& cal, std::int32_t& px, std::int32_t py, std::int32_t otherX,
             std::int32_t otherY) {
    if (px == otherX && py == otherY) {
        px = RoundHalfEven(static_cast<Extended>(px) + 5);
        cal.MousePicX = px;
    }
}

Extended PointAngleOf(const Calibration& cal, std::int32_t px, std::int32_t py) {
    if (px == cal.ZeroPointX) {
        return py > cal.ZeroPointY ? -kPi / 2 : kPi / 2;
    }
    return std::atan2(static_cast<Extended>(std::int64_t{cal.ZeroPointY} - py),
                      static_cast<Extended>(std::int64_t{px} - cal.ZeroPointX));
}

} // namespace

void ComputeAxisLengths(Calibration& cal) {
    const std::int32_t lenX =
        RoundHalfEven(Distance(cal.ZeroPointX - std::int64_t{cal.XMaxPointX},
                               cal.ZeroPointY - std::int64_t{cal.XMaxPointY}));
    const std::int32_t lenY =
        RoundHalfEven(Distance(cal.ZeroPointX - std::int64_t{cal.YMaxPointX},
                               cal.ZeroPointY - std::int64_t{cal.YMaxPointY}));
    cal.AxisLenX = lenX;
    cal.AxisLenY = lenY;
}

void ComputeAxisAngles(Calibration& cal, const Settings& settings) {
    if (cal.ZeroPointX == cal.XMaxPointX) {
        cal.AxisAngleX = cal.XMaxPointY > cal.ZeroPointY ? -kPi / 2 : kPi / 2;
    } else {
        cal.AxisAngleX =
            std::atan2(static_cast<Extended>(std::int64_t{cal.ZeroPointY} - cal.XMaxPointY),
                       static_cast<Extended>(std::int64_t{cal.XMaxPointX} - cal.ZeroPointX));
    }
    if (settings.XDirection == 1) {
        cal.AxisAngleY = cal.AxisAngleX + kPi / 2;
    } else if (settings.XDirection == -1) {
        cal.AxisAngleY = cal.AxisAngleX - kPi / 2;
    }
}

FramePoint PictureToFrame(const Calibration& cal, const Settings& settings, std::int32_t px,
                          std::int32_t py) {
    const Extended angle = PointAngleOf(cal, px, py);
    const Extended r =
        Distance(cal.ZeroPointX - std::int64_t{px}, cal.ZeroPointY - std::int64_t{py});
    const double d = static_cast<double>(angle - cal.AxisAngleX);
    const std::int32_t fx = RoundHalfEven(std::cos(static_cast<Extended>(d)) * r);
    const std::int32_t fy =
        RoundHalfEven(FrameYSign(settings) * std::sin(static_cast<Extended>(d)) * r);
    return {{fx, fy}, angle};
}

ChartPoint FrameToChart(Calibration& cal, const Settings& settings, std::int32_t fx,
                        std::int32_t fy, std::int32_t lenX, std::int32_t lenY, int line,
                        const DoubleAxisRanges* doubleAxis) {
    if (settings.Polar()) {
        const std::int32_t r = RoundHalfEven(Distance(fx, fy));
        const std::int32_t above = PolarSideSign(cal, settings) * fy;
        Extended a = 0;
        if (above == 0) {
            a = fx > 0 ? 0 : kPi;
        } else {
            a = std::atan2(static_cast<Extended>(above), static_cast<Extended>(fx));
        }
        const Extended radius =
            CheckedQuotient(r * cal.AxisPolarMax, lenX, "the X axis has no length");
        return {a * 180 / kPi, CheckedFinite(radius)};
    }

    double xMin = cal.AxisXMin, xMax = cal.AxisXMax, yMin = cal.AxisYMin, yMax = cal.AxisYMax;
    if (doubleAxis != nullptr) {
        if (line == 1 || line == 2) {
            xMin = doubleAxis->MinX1;
            xMax = doubleAxis->MaxX1;
        }
        yMin = doubleAxis->MinY;
        yMax = doubleAxis->MaxY;
    }
    if (lenX == 0) {
        throw CalcError("Division by zero: the X axis has no length (the zero point and the "
                        "X-max point coincide)");
    }
    if (lenY == 0) {
        throw CalcError("Division by zero: the Y axis has no length (the zero point and the "
                        "Y-max point coincide)");
    }
    const Extended tx = CheckedFinite(xMin + (static_cast<Extended>(xMax) - xMin) / lenX * fx);
    const Extended ty = CheckedFinite(yMin + (static_cast<Extended>(yMax) - yMin) / lenY * fy);
    if (doubleAxis == nullptr) {
        return {ApplyScale(settings.ScaleX, tx), ApplyScale(settings.ScaleY, ty)};
    }
    // That mode leaves its numbers in the record: curves 3 to 5 convert with whatever X range
    // the last curve 1 or 2 conversion put there.
    cal.AxisXMin = xMin;
    cal.AxisXMax = xMax;
    cal.AxisYMin = yMin;
    cal.AxisYMax = yMax;
    return {tx, ty};
}

ChartPoint PictureToChart(Calibration& cal, const Settings& settings, std::int32_t px,
                          std::int32_t py, int line, const DoubleAxisRanges* doubleAxis) {
    Calibration next = cal;
    ComputeAxisLengths(next);
    const FramePoint framed = PictureToFrame(next, settings, px, py);
    next.FrameX = framed.Frame.X;
    next.FrameY = framed.Frame.Y;
    next.PointAngle = framed.Angle;
    const ChartPoint value = FrameToChart(next, settings, next.FrameX, next.FrameY, next.AxisLenX,
                                          next.AxisLenY, line, doubleAxis);
    cal = next;
    return value;
}

PicturePoint ChartToPicture(const Calibration& cal, const Settings& settings, Extended x,
                            Extended y) {
    std::int32_t fx = 0;
    std::int32_t fy = 0;
    if (settings.Polar()) {
        const Extended rp =
            CheckedQuotient(y, cal.AxisPolarMax, "the polar maximum is 0") * cal.AxisLenX;
        const Extended a = x * kPi / 180;
        fx = RoundHalfEven(std::cos(a) * rp);
        fy = PolarSideSign(cal, settings) * RoundHalfEven(std::sin(a) * rp);
    } else {
        fx = RoundHalfEven(CheckedQuotient((x - cal.AxisXMin) * cal.AxisLenX,
                                           static_cast<Extended>(cal.AxisXMax) - cal.AxisXMin,
                                           "the X axis values are equal"));
        fy = RoundHalfEven(CheckedQuotient((y - cal.AxisYMin) * cal.AxisLenY,
                                           static_cast<Extended>(cal.AxisYMax) - cal.AxisYMin,
                                           "the Y axis values are equal"));
    }
    return FrameToPicture(cal, settings, fx, fy);
}

void SnapToStepX(Calibration& cal, const Settings& settings) {
    Calibration next = cal;
    const Extended steps = CheckedQuotient(next.CursorValueX, settings.StepX, "the X step is 0");
    next.SnapLowX = RoundHalfEven(steps) * settings.StepX;
    next.SnapHighX = settings.StepX + next.SnapLowX;
    next.SnapValueX = std::fabs(next.SnapLowX - next.CursorValueX) >=
                              std::fabs(next.SnapHighX - next.CursorValueX)
                          ? next.SnapHighX
                          : next.SnapLowX;
    next.SnapValueY = next.CursorValueY;

    const Extended u = CheckedQuotient((next.SnapValueX - next.AxisXMin) * next.AxisLenX,
                                       static_cast<Extended>(next.AxisXMax) - next.AxisXMin,
                                       "the X axis values are equal");
    const std::int32_t v = RoundHalfEven(CheckedQuotient(
        (next.SnapValueY - next.AxisYMin) * next.AxisLenY,
        static_cast<Extended>(next.AxisYMax) - next.AxisYMin, "the Y axis values are equal"));
    if (next.AxisAngleX == 0) {
        next.SnapPicX = RoundHalfEven(next.ZeroPointX + static_cast<Extended>(RoundHalfEven(u)));
        next.SnapPicY =
            RoundHalfEven(next.ZeroPointY - static_cast<Extended>(FrameYSign(settings)) * v);
    } else {
        next.FrameX = RoundHalfEven(u);
        next.FrameY = v;
        const PicturePoint picture = FrameToPicture(next, settings, next.FrameX, next.FrameY);
        next.SnapPicX = picture.X;
        next.SnapPicY = picture.Y;
    }
    cal = next;
}

void SetXMaxPoint(Calibration& cal, const Settings& settings, bool axis90Mode, std::int32_t px,
                  std::int32_t py) {
    Calibration next = cal;
    StepOff(next, px, py, next.ZeroPointX, next.ZeroPointY);
    StepOff(next, px, py, next.YMaxPointX, next.YMaxPointY);
    if (axis90Mode) {
        next.XMaxPointX = px;
    } else {
        MeasureAxes(next);
        next.XMaxPointX = px;
        next.XMaxPointY = py;
        next.YAxisKeepLen = next.AxisLenYExact;
        ComputeAxisAngles(next, settings);
        ReplaceYMaxPoint(next);
    }
    cal = next;
}

void SetYMaxPoint(Calibration& cal, const Settings& /*settings*/, bool axis90Mode, std::int32_t px,
                  std::int32_t py) {
    Calibration next = cal;
    StepOff(next, px, py, next.ZeroPointX, next.ZeroPointY);
    StepOff(next, px, py, next.XMaxPointX, next.XMaxPointY);
    if (axis90Mode) {
        next.YMaxPointY = py;
    } else {
        next.YAxisKeepLen = static_cast<double>(
            Distance(next.ZeroPointX - std::int64_t{px}, next.ZeroPointY - std::int64_t{py}));
        ReplaceYMaxPoint(next);
    }
    cal = next;
}

void SetZeroPoint(Calibration& cal, const Settings& settings, bool axis90Mode, std::int32_t px,
                  std::int32_t py) {
    Calibration next = cal;
    StepOff(next, px, py, next.YMaxPointX, next.YMaxPointY);
    StepOff(next, px, py, next.XMaxPointX, next.XMaxPointY);
    const std::int64_t moveX = std::int64_t{px} - next.ZeroPointX;
    const std::int64_t moveY = std::int64_t{py} - next.ZeroPointY;
    next.ZeroPointX = px;
    next.ZeroPointY = py;
    if (axis90Mode) {
        next.XMaxPointX = RoundHalfEven(static_cast<Extended>(next.XMaxPointX + moveX));
        next.XMaxPointY = RoundHalfEven(static_cast<Extended>(next.XMaxPointY + moveY));
        next.YMaxPointX = RoundHalfEven(static_cast<Extended>(next.YMaxPointX + moveX));
        next.YMaxPointY = RoundHalfEven(static_cast<Extended>(next.YMaxPointY + moveY));
    } else {
        MeasureAxes(next);
        next.YAxisKeepLen = next.AxisLenYExact;
        ComputeAxisAngles(next, settings);
        ReplaceYMaxPoint(next);
    }
    cal = next;
}

void LevelAxes(Calibration& cal, const std::function<void()>& drawAxes) {
    if (drawAxes) {
        drawAxes();
    }
    cal.AxisAngleX = 0;
    cal.XMaxPointY = cal.ZeroPointY;
    cal.YMaxPointX = cal.ZeroPointX;
    if (drawAxes) {
        drawAxes();
    }
}

void SetXDirection(Calibration& cal, Settings& settings, std::int32_t d) {
    Calibration next = cal;
    Settings nextSettings = settings;
    nextSettings.XDirection = d;
    MeasureAxes(next);
    next.YAxisKeepLen = next.AxisLenYExact;
    ComputeAxisAngles(next, nextSettings);
    ReplaceYMaxPoint(next);
    cal = next;
    settings = nextSettings;
}

} // namespace lineora
