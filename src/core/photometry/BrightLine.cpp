#include "core/photometry/BrightLine.h"

#include "core/common/Color.h"
#include "core/common/NumberText.h"
#include "core/common/Rounding.h"

#include <algorithm>
#include <cmath>

namespace lineora {

namespace {

constexpr std::int32_t kStartRed = 150; // the click itself must be at least this red
constexpr std::int32_t kTopRows = 2;    // a run reaching above this row is not measured
constexpr std::int32_t kThinning = 4;   // how much thinner than at the click a run may get
constexpr int kDroppedAtStop = 2;       // traced columns dropped beside the stop

// Red of the clean copy's pixels through the scan lines, for the tight loops of the trace.
// A picture in another format is read from a 32-bit copy; a pixel outside the picture reads
// -1, below any threshold the start test lets through.
class RedReader {
public:
    explicit RedReader(const QImage& picture) : picture_(Normalised(picture)) {
        bits_ = picture_.constBits();
        stride_ = picture_.bytesPerLine();
        width_ = picture_.width();
        height_ = picture_.height();
    }

    std::int32_t Width() const { return width_; }

    std::int32_t Red(std::int32_t x, std::int32_t y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return -1;
        }
        const auto* row =
            reinterpret_cast<const QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_);
        return qRed(row[x]);
    }

    // Inside the picture and red >= threshold, whatever the threshold.
    bool Bright(std::int32_t x, std::int32_t y, std::int32_t threshold) const {
        const std::int32_t red = Red(x, y);
        return red >= 0 && red >= threshold;
    }

    BrightRun Measure(std::int32_t x, std::int32_t y, std::int32_t threshold) const {
        std::int32_t r = y;
        do {
            --r;
            if (r < kTopRows) {
                return {};
            }
        } while (Bright(x, r, threshold));
        const std::int32_t top = r + 1;
        r = y;
        do {
            ++r;
            if (r >= height_) {
                return {};
            }
        } while (Bright(x, r, threshold));
        const std::int32_t bottom = r - 1;
        return {true, (static_cast<double>(top) + bottom) / 2, bottom - top};
    }

private:
    static QImage Normalised(const QImage& picture) {
        const QImage::Format format = picture.format();
        if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32) {
            return picture; // shares the pixels, no copy
        }
        return picture.convertToFormat(QImage::Format_RGB32);
    }

    QImage picture_;
    const uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

bool InTable(const std::vector<double>& centres, std::int32_t column) {
    return column >= 0 && static_cast<std::size_t>(column) < centres.size();
}

void ClearColumn(std::vector<double>& centres, std::int32_t column) {
    if (InTable(centres, column)) {
        centres[static_cast<std::size_t>(column)] = 0;
    }
}

std::int32_t RoundedCentre(const std::vector<double>& centres, std::int32_t column) {
    return RoundHalfEven(centres[static_cast<std::size_t>(column)]);
}

// Follows the line from `x0` one column at a time in `step` (-1 or +1) while the run keeps
// at least the minimum width; a column beyond `last` or before the first counts as a failed
// run. The two traced columns nearest the stop are dropped, for a line's run thins (or grows
// into the background) over a few columns before it fails.
void TraceSide(BrightLineState& state, std::vector<double>& centres, const RedReader& reader,
               std::int32_t x0, int step, std::int32_t last) {
    std::int32_t x = x0;
    for (;;) {
        const std::int32_t y = RoundedCentre(centres, x);
        x += step;
        if (x < 0 || x > last) {
            break;
        }
        const BrightRun run = reader.Measure(x, y, state.Threshold);
        if (!run.Found) {
            break;
        }
        state.LastCentre = run.Centre;
        if (run.Width < state.MinWidth) {
            break;
        }
        centres[static_cast<std::size_t>(x)] = run.Centre;
    }
    for (int k = 1; k <= kDroppedAtStop; ++k) {
        ClearColumn(centres, x - k * step);
    }
}

bool ValidLine(int line) {
    return line >= 1 && line <= kBrightLineCount;
}

} // namespace

void SizeBrightLineTable(BrightLineState& state, std::int32_t pictureWidth) {
    const std::size_t columns =
        static_cast<std::size_t>(std::max<std::int32_t>(kBrightLineColumns, pictureWidth));
    for (int line = 1; line <= kBrightLineCount; ++line) {
        if (state.Centres[line].size() < columns) {
            state.Centres[line].resize(columns, 0.0);
        }
    }
}

BrightRun MeasureRun(const QImage& clean, std::int32_t x, std::int32_t y, std::int32_t threshold) {
    return RedReader(clean).Measure(x, y, threshold);
}

TraceOutcome TraceBrightLine(BrightLineState& state, const QImage& clean, int line, std::int32_t x0,
                             std::int32_t y0) {
    const RedReader reader(clean);
    const std::int32_t red = reader.Red(x0, y0);
    const std::int32_t threshold = red - state.Tolerance;
    if (red < kStartRed || !reader.Bright(x0, y0 - 1, threshold) ||
        !reader.Bright(x0, y0 + 1, threshold) || !ValidLine(line)) {
        return TraceOutcome::NotBright;
    }
    const BrightRun run = reader.Measure(x0, y0, threshold);
    if (!run.Found) {
        return TraceOutcome::RunFailed;
    }
    SizeBrightLineTable(state, reader.Width());
    state.Threshold = threshold;
    state.MinWidth = run.Width - kThinning;
    state.LastCentre = run.Centre;
    std::vector<double>& centres = state.Centres[line];
    centres[static_cast<std::size_t>(x0)] = run.Centre;
    const std::int32_t last =
        std::min<std::int32_t>(reader.Width(), static_cast<std::int32_t>(centres.size())) - 1;
    TraceSide(state, centres, reader, x0, -1, last);
    // Reads the start column again: the leftward pass may have dropped it.
    TraceSide(state, centres, reader, x0, +1, last);
    return TraceOutcome::Traced;
}

// A gap once bridged holds values between two rounded non-zero rows of the same sign, so it
// never reads as empty again: starting over from the first column after each gap, as the
// button's loop is described, would find the same gaps in the same order. One pass does.
int BridgeGaps(BrightLineState& state, int line) {
    if (!ValidLine(line)) {
        return 0;
    }
    std::vector<double>& centres = state.Centres[line];
    const std::int32_t size = static_cast<std::int32_t>(centres.size());
    auto filled = [&](std::int32_t x) { return RoundedCentre(centres, x) != 0; };
    std::int32_t x = 1;
    while (x < size && !filled(x)) {
        ++x;
    }
    int bridged = 0;
    for (;;) {
        while (x < size && filled(x)) {
            ++x;
        }
        const std::int32_t a = x - 1;
        std::int32_t b = x;
        while (b < size && !filled(b)) {
            ++b;
        }
        if (x >= size || b >= size) {
            return bridged;
        }
        const double ya = RoundedCentre(centres, a);
        const double yb = RoundedCentre(centres, b);
        for (std::int32_t g = a + 1; g < b; ++g) {
            centres[static_cast<std::size_t>(g)] =
                static_cast<double>(g - a) * (yb - ya) / static_cast<double>(b - a) + ya;
        }
        ++bridged;
        x = b;
    }
}

void SmoothLine(BrightLineState& state, int line) {
    if (!ValidLine(line)) {
        return;
    }
    std::vector<double>& c = state.Centres[line];
    for (std::size_t x = 2; x + 1 < c.size(); ++x) {
        const double p = c[x - 1];
        const double n = c[x + 1];
        if (p == 0 || c[x] == 0 || n == 0) {
            continue;
        }
        const double mean = (p + n) / 2;
        if (std::abs(c[x] - mean) >= 1) {
            c[x] = mean;
        }
    }
}

void ClearBrightLine(BrightLineState& state, int line) {
    if (ValidLine(line)) {
        std::fill(state.Centres[line].begin(), state.Centres[line].end(), 0.0);
    }
}

void ClearAllBrightLines(BrightLineState& state) {
    for (int line = 1; line <= kBrightLineCount; ++line) {
        ClearBrightLine(state, line);
    }
}

void DrawBrightLines(const BrightLineState& state, QImage& working,
                     const std::array<TColor, kCurveCount + 1>& colours) {
    const std::int32_t width = working.width();
    const std::int32_t height = working.height();
    for (int line = 1; line <= kBrightLineCount; ++line) {
        const std::vector<double>& centres = state.Centres[line];
        const QRgb colour = ToQRgb(colours[static_cast<std::size_t>(line)]);
        const std::int32_t columns =
            std::min<std::int32_t>(width, static_cast<std::int32_t>(centres.size()));
        for (std::int32_t x = 0; x < columns; ++x) {
            const std::int32_t y = RoundedCentre(centres, x);
            if (y > 0 && y < height) {
                working.setPixel(x, y, colour);
            }
        }
    }
}

QString BrightLineHeader(int line) {
    return QStringLiteral("Line %1").arg(line);
}

QString BrightLineCell(const BrightLineState& state, int line, std::int32_t column) {
    if (!ValidLine(line) || !InTable(state.Centres[line], column)) {
        return QStringLiteral("0");
    }
    const double centre = state.Centres[line][static_cast<std::size_t>(column)];
    return centre == 0 ? QStringLiteral("0") : FormatGeneral(centre);
}

} // namespace lineora
