#include "core/calibration/AxisRanges.h"

#include "core/common/MessageKeys.h"
#include "core/common/NumberText.h"

#include <cmath>

namespace lineora {

namespace {

std::optional<QLatin1String> RangeProblem(double low, double high, ScaleKind scale) {
    if (!std::isfinite(low) || !std::isfinite(high) || low == high) {
        return MsgKey::AxisRangeEqual;
    }
    const bool logarithmic = scale == ScaleKind::Log10 || scale == ScaleKind::Ln;
    if (logarithmic && (low <= 0 || high <= 0)) {
        return MsgKey::AxisRangeNotPositive;
    }
    return std::nullopt;
}

QString FieldText(double value, ScaleKind scale) {
    if (scale == ScaleKind::Log10) {
        return FormatGeneral(std::log10(static_cast<Extended>(value)));
    }
    if (scale == ScaleKind::Ln) {
        return FormatGeneral(std::log(static_cast<Extended>(value)));
    }
    return FormatGeneral(value);
}

} // namespace

std::optional<QLatin1String> AxisRangesProblem(const AxisRanges& ranges, const Settings& setup) {
    if (setup.Polar()) {
        return MsgKey::AxisRangePolar;
    }
    if (auto problem = RangeProblem(ranges.MinX, ranges.MaxX, setup.ScaleX)) {
        return problem;
    }
    return RangeProblem(ranges.MinY, ranges.MaxY, setup.ScaleY);
}

AxisTexts AxisTextsOf(const AxisRanges& ranges, const Settings& setup, AxisTexts texts) {
    texts.MinX = FieldText(ranges.MinX, setup.ScaleX);
    texts.MaxX = FieldText(ranges.MaxX, setup.ScaleX);
    texts.MinY = FieldText(ranges.MinY, setup.ScaleY);
    texts.MaxY = FieldText(ranges.MaxY, setup.ScaleY);
    return texts;
}

} // namespace lineora
