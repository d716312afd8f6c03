#include "core/photometry/StripSampling.h"

#include "core/common/Errors.h"
#include "core/common/NumberText.h"
#include "core/common/Rounding.h"
#include "core/curves/Export.h"
#include "core/photometry/StripScan.h"

#include <QStringView>

#include <algorithm>

namespace lineora {

using strip_scan::SampleCount;

namespace {

// The straightener's curvature: the arcs play no part here, only the strip ends do.
constexpr std::int32_t kAnyRadius = 560;

std::int32_t& SampleRow(PointStore& store, int k, int trace) {
    return store.PointPixels[static_cast<std::size_t>(k)][static_cast<std::size_t>(trace)].PixY;
}

std::int32_t SampleRow(const PointStore& store, int k, int trace) {
    return store.PointPixels[static_cast<std::size_t>(k)][static_cast<std::size_t>(trace)].PixY;
}

// Step 1 and 2 of filling a trace: its first and last sample from the nearest found one.
void FillEnds(PointStore& store, int trace, std::int32_t missing, int n) {
    if (SampleRow(store, 1, trace) == missing) {
        for (int k = 2; k <= n; ++k) {
            if (SampleRow(store, k, trace) != missing) {
                SampleRow(store, 1, trace) = SampleRow(store, k, trace);
                break;
            }
        }
    }
    if (SampleRow(store, n, trace) == missing) {
        int k = n - 1;
        while (k > 1 && SampleRow(store, k, trace) == missing) {
            --k;
        }
        SampleRow(store, n, trace) = SampleRow(store, std::max(k, 1), trace);
    }
}

// Each missing inner sample steps from the one before it toward the next found one, so a gap
// becomes a straight line rounded at every step.
void FillGaps(PointStore& store, int trace, std::int32_t missing, int n) {
    for (int k = 2; k <= n - 1; ++k) {
        if (SampleRow(store, k, trace) != missing) {
            continue;
        }
        int next = k + 1;
        while (next <= n && SampleRow(store, next, trace) == missing) {
            ++next;
        }
        if (next > n) {
            return;
        }
        const int e = next - k;
        const std::int64_t before = SampleRow(store, k - 1, trace);
        const std::int64_t after = SampleRow(store, next, trace);
        SampleRow(store, k, trace) = TruncToInt32(
            static_cast<Extended>(before) -
            RoundHalfEven(static_cast<Extended>(before - after) / static_cast<Extended>(e + 1)));
    }
}

// The trace's height on the 0..40-style scale, to one decimal.
Extended TraceValue(const Calibration& cal, const Strip& strip, std::int32_t row) {
    const Extended b = strip.Bottom;
    const Extended height = b - strip.Top;
    const Extended y = (static_cast<Extended>(cal.AxisYMax) - cal.AxisYMin) *
                       (b - static_cast<Extended>(row)) / height;
    return static_cast<Extended>(RoundHalfEven(y * 10)) / 10;
}

} // namespace

StripGeometry SamplingStrips(const Calibration& cal, std::int32_t gap) {
    return ComputeStrips(cal, gap, kAnyRadius);
}

std::vector<std::int32_t> SearchLineColumns(const Calibration& cal, std::int32_t n,
                                            Extended stepX) {
    if (cal.XMaxPointX == cal.ZeroPointX) {
        throw CalcError("The X-max point stands on the zero point's column, so the search lines "
                        "have no room: move one of the two points.");
    }
    if (cal.AxisXMax == cal.AxisXMin) {
        throw CalcError("The X axis values at the zero and the X-max point are equal, so the "
                        "search lines cannot be placed: give the axis two different values.");
    }
    if (n < 1 || n > kLastRow) {
        throw CalcError(QStringLiteral("%1 search lines cannot be sampled: the curves hold 1 to "
                                       "%2 samples.")
                            .arg(n)
                            .arg(kLastRow));
    }
    const Extended xMin = cal.AxisXMin;
    const Extended span = static_cast<Extended>(cal.AxisXMax) - xMin;
    const Extended pixels = static_cast<Extended>(cal.XMaxPointX) - cal.ZeroPointX;
    std::vector<std::int32_t> columns(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 1; k <= n; ++k) {
        const Extended time = xMin + static_cast<Extended>(k - 1) * stepX;
        const std::int64_t offset = RoundHalfEven((time - xMin) * pixels / span);
        columns[static_cast<std::size_t>(k)] =
            TruncToInt32(static_cast<Extended>(cal.ZeroPointX + offset));
    }
    return columns;
}

void InitSamples(PointStore& store, const std::vector<std::int32_t>& columns,
                 const StripGeometry& strips) {
    const int n = SampleCount(static_cast<std::int64_t>(columns.size()) - 1);
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        const std::int32_t bottom = strips.Strips[static_cast<std::size_t>(trace)].Bottom;
        for (int k = 1; k <= n; ++k) {
            store.PointPixels[static_cast<std::size_t>(k)][static_cast<std::size_t>(trace)] = {
                1, columns[static_cast<std::size_t>(k)], bottom};
        }
        store.LineNext[static_cast<std::size_t>(trace)] = n + 1;
    }
}

void ApproximateSamples(PointStore& store, const StripGeometry& strips, std::int32_t n) {
    const int count = SampleCount(n);
    if (count < 1) {
        return;
    }
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        const std::int32_t missing = NotFoundRow(strips, trace);
        FillEnds(store, trace, missing, count);
        FillGaps(store, trace, missing, count);
    }
}

QString BuildStripTableText(const PointStore& store, const Calibration& cal,
                            const StripGeometry& strips, std::int32_t n, Extended stepX,
                            SeparatorChoice separator) {
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        const Strip& strip = strips.Strips[static_cast<std::size_t>(trace)];
        if (strip.Bottom == strip.Top) {
            throw CalcError(QStringLiteral("Strip %1 has no height (top and bottom on row %2): "
                                           "move the zero or the Y-max point apart.")
                                .arg(trace)
                                .arg(strip.Top));
        }
    }
    const int count = SampleCount(n);
    QString text;
    text.reserve(count * 24);
    for (int k = 1; k <= count; ++k) {
        text.append(FormatGeneral(static_cast<Extended>(k - 1) * stepX + cal.AxisXMin));
        for (int trace = 1; trace <= kTraceCount; ++trace) {
            text.append(QLatin1Char('\t'));
            text.append(FormatGeneral(TraceValue(
                cal, strips.Strips[static_cast<std::size_t>(trace)], SampleRow(store, k, trace))));
        }
        text.append(QStringView(u"\r\n"));
    }
    ForceSeparator(text, separator);
    return text;
}

} // namespace lineora
