#pragma once

#include "core/calibration/AxisTexts.h"
#include "core/common/Settings.h"

#include <QLatin1String>

#include <optional>

namespace lineora {

// The chart values at the two ends of each axis, as a script or the automatic digitizing
// window gives them: plain values also on a logarithmic axis.
struct AxisRanges {
    double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
};

// Why the ranges cannot calibrate a chart of these settings, as a message key: a polar chart,
// an axis whose two values are equal or not finite, a value not above zero on a logarithmic
// axis. Nothing when they can. A range may run backwards (MIN above MAX): the axis then
// counts down.
std::optional<QLatin1String> AxisRangesProblem(const AxisRanges& ranges, const Settings& setup);

// The axis value fields that give the ranges: exponents on a logarithmic axis, as the fields
// hold them there; the polar field stays as in `texts`.
AxisTexts AxisTextsOf(const AxisRanges& ranges, const Settings& setup, AxisTexts texts);

} // namespace lineora
