#include "core/tracing/AutoDigitize.h"

#include "core/picture/PixelAccess.h"

#include <algorithm>
#include <array>

namespace lineora {

namespace {

constexpr std::int32_t kAxisRowFirst = 150, kAxisRowLast = 1000;
constexpr std::int32_t kAxisColumnFirst = 20, kAxisColumnLast = 200;
constexpr std::int32_t kCountRowFirst = 20, kCountRowLast = 350;
constexpr std::int32_t kSampleColumns = 30;
constexpr std::int32_t kSampleOffset = 20; // the first column is this plus one spacing
constexpr std::int32_t kSampleSpacing = 15;
constexpr std::int32_t kHighestSampleRow = 56;
constexpr int kDarkLimit = 100;

bool IsDark(QRgb pixel) {
    return qRed(pixel) < kDarkLimit && qGreen(pixel) < kDarkLimit && qBlue(pixel) < kDarkLimit;
}

bool IsDarkAt(const QImage& picture, std::int64_t x, std::int64_t y) {
    return IsDark(pixels::RgbAt(picture, x, y));
}

// Dark pixels of row y in columns first..last; the part off the picture reads white.
int DarkInRow(const QImage& picture, std::int32_t y, std::int32_t first, std::int32_t last) {
    if (y < 0 || y >= picture.height()) {
        return 0;
    }
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    const std::int32_t end = std::min(last, picture.width() - 1);
    int count = 0;
    for (std::int32_t x = std::max(first, 0); x <= end; ++x) {
        count += IsDark(row[x]) ? 1 : 0;
    }
    return count;
}

std::int32_t FindAxisRow(const QImage& picture) {
    std::int32_t bestRow = 0;
    int bestCount = 0;
    for (std::int32_t y = kAxisRowFirst; y <= kAxisRowLast; ++y) {
        const int count = DarkInRow(picture, y, kAxisColumnFirst, kAxisColumnLast);
        if (count > bestCount) {
            bestCount = count;
            bestRow = y;
        }
    }
    return bestRow;
}

// Counted row by row, so the picture is read in memory order.
std::int32_t FindAxisColumn(const QImage& picture) {
    std::array<int, kAxisColumnLast - kAxisColumnFirst + 1> counts{};
    const std::int32_t lastRow = std::min(kCountRowLast, picture.height() - 1);
    const std::int32_t lastColumn = std::min(kAxisColumnLast, picture.width() - 1);
    for (std::int32_t y = kCountRowFirst; y <= lastRow; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (std::int32_t x = kAxisColumnFirst; x <= lastColumn; ++x) {
            counts[static_cast<std::size_t>(x - kAxisColumnFirst)] += IsDark(row[x]) ? 1 : 0;
        }
    }
    std::int32_t bestColumn = 0;
    int bestCount = 0;
    for (std::int32_t x = kAxisColumnFirst; x <= kAxisColumnLast; ++x) {
        const int count = counts[static_cast<std::size_t>(x - kAxisColumnFirst)];
        if (count > bestCount) {
            bestCount = count;
            bestColumn = x;
        }
    }
    return bestColumn;
}

// Only the six side neighbours count: a pixel of a one-pixel horizontal line has two dark ones,
// of a two-pixel line three, and that difference is what the threshold tells apart.
int DarkSideNeighbours(const QImage& picture, std::int64_t x, std::int64_t y) {
    int count = 0;
    for (const std::int64_t nx : {x - 1, x + 1}) {
        for (const std::int64_t ny : {y - 1, y, y + 1}) {
            count += IsDarkAt(picture, nx, ny) ? 1 : 0;
        }
    }
    return count;
}

// The last dark pixel met stepping from (x, y) by (dx, dy) before two light ones in a row, or
// the start itself.
std::int64_t LastDarkStep(const QImage& picture, std::int64_t x, std::int64_t y, int dx, int dy) {
    std::int64_t last = 0;
    for (std::int64_t step = 1; step - last <= 2; ++step) {
        // Off the picture reads white, so the walk ends there too.
        if (IsDarkAt(picture, x + dx * step, y + dy * step)) {
            last = step;
        }
    }
    return last;
}

} // namespace

AxisLines FindAxisLines(const QImage& clean) {
    QImage holder;
    const QImage& picture = pixels::As32Bit(clean, holder);
    return {FindAxisRow(picture), FindAxisColumn(picture)};
}

std::optional<AxisEnds> FindAxisEnds(const QImage& clean, const AxisLines& axes) {
    QImage holder;
    const QImage& picture = pixels::As32Bit(clean, holder);
    if (!IsDarkAt(picture, axes.Column, axes.Row)) {
        return std::nullopt;
    }
    const std::int64_t right = LastDarkStep(picture, axes.Column, axes.Row, 1, 0);
    const std::int64_t up = LastDarkStep(picture, axes.Column, axes.Row, 0, -1);
    if (right == 0 || up == 0) {
        return std::nullopt;
    }
    return AxisEnds{static_cast<std::int32_t>(axes.Column + right),
                    static_cast<std::int32_t>(axes.Row - up)};
}

std::vector<PicturePoint> SampleCurve(const QImage& clean, const AxisLines& axes,
                                      std::int32_t threshold) {
    QImage holder;
    const QImage& picture = pixels::As32Bit(clean, holder);
    std::vector<PicturePoint> points;
    for (std::int32_t k = 1; k <= kSampleColumns; ++k) {
        const std::int64_t x = std::int64_t{axes.Column} + kSampleOffset + kSampleSpacing * k;
        // The axis row is always examined, even when it lies above the highest sample row.
        std::int64_t y = axes.Row;
        do {
            if (IsDarkAt(picture, x, y) && DarkSideNeighbours(picture, x, y) >= threshold) {
                points.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
                break;
            }
            --y;
        } while (y >= kHighestSampleRow);
    }
    return points;
}

} // namespace lineora
