#include "core/tracing/ColorTracing.h"

#include "core/common/Color.h"
#include "core/common/Errors.h"
#include "core/common/NumberText.h"
#include "core/common/Rounding.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

namespace lineora {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
// Off the picture a pixel reads as the invalid colour, whose components are all white. Format_RGB32
// stores every pixel as 0xffRRGGBB, so a zero alpha byte tells it from any pixel of the picture.
constexpr QRgb kOffPicture = 0x00FFFFFF;

const QRgb* RowPointer(const QImage& picture, std::int64_t y) {
    return y >= 0 && y < picture.height()
               ? reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(y)))
               : nullptr;
}

// The scanned row and its two neighbours, read with a check of every position: for the rows
// and columns at and beyond the picture's edges.
class CheckedRows {
public:
    CheckedRows(const QImage& picture, std::int64_t y)
        : width_(picture.width()), rows_{RowPointer(picture, y - 1), RowPointer(picture, y),
                                         RowPointer(picture, y + 1)} {}

    QRgb At(int dy, std::int64_t x) const {
        const QRgb* row = rows_[dy + 1];
        return row != nullptr && x >= 0 && x < width_ ? row[x] : kOffPicture;
    }

private:
    std::int64_t width_;
    std::array<const QRgb*, 3> rows_;
};

// The same where every position read lies on the picture.
class DirectRows {
public:
    DirectRows(const QImage& picture, std::int64_t y)
        : rows_{RowPointer(picture, y - 1), RowPointer(picture, y), RowPointer(picture, y + 1)} {}

    QRgb At(int dy, std::int64_t x) const { return rows_[dy + 1][x]; }

private:
    std::array<const QRgb*, 3> rows_;
};

// The per-pixel tests, one type per criterion so the scan loop is compiled for each.
struct MatchColor {
    QRgb Wanted;
    template <typename Rows> bool operator()(const Rows& rows, std::int64_t x) const {
        return (rows.At(0, x) & kRgbMask) == Wanted;
    }
};

struct MatchBlack {
    template <typename Rows> bool operator()(const Rows& rows, std::int64_t x) const {
        return (rows.At(0, x) & kRgbMask) == 0;
    }
};

struct MatchSpecial {
    template <typename Rows> bool operator()(const Rows& rows, std::int64_t x) const {
        const QRgb pixel = rows.At(0, x);
        const int red = qRed(pixel);
        return red - qBlue(pixel) > 120 && red - qGreen(pixel) > 120;
    }
};

struct MatchNeighbours {
    QRgb Wanted; // what a neighbour of the second colour reads as
    std::int32_t Needed;

    template <typename Rows> bool operator()(const Rows& rows, std::int64_t x) const {
        const int count = (rows.At(0, x - 1) == Wanted) + (rows.At(0, x + 1) == Wanted) +
                          (rows.At(-1, x) == Wanted) + (rows.At(1, x) == Wanted) +
                          (rows.At(-1, x - 1) == Wanted) + (rows.At(1, x - 1) == Wanted) +
                          (rows.At(-1, x + 1) == Wanted) + (rows.At(1, x + 1) == Wanted);
        return count >= Needed;
    }
};

// The second colour as a neighbour reads: a colour of the picture, the invalid colour itself,
// or (with any other high byte) a value no position reads as.
QRgb NeighbourReading(TColor second) {
    if ((second >> 24) == 0) {
        return ToQRgb(second);
    }
    return second == 0xFFFFFFFF ? kOffPicture : 0;
}

// The columns are walked together, row by row, so the picture is read in memory order; a
// column leaves the walk at its first match, and the walk ends when none is left.
template <typename Match>
std::vector<PicturePoint> ScanBand(const QImage& picture, const TraceBand& band,
                                   const Match& match) {
    const auto columns = static_cast<std::size_t>(band.Columns);
    std::vector<std::int64_t> xs(columns);
    for (std::size_t i = 0; i < columns; ++i) {
        xs[i] = band.Left + static_cast<std::int64_t>(i) * band.Step;
    }
    constexpr std::int64_t kNotFound = std::numeric_limits<std::int64_t>::min();
    std::vector<std::int64_t> found(columns, kNotFound);
    std::vector<std::size_t> open(columns);
    std::iota(open.begin(), open.end(), std::size_t{0});

    const std::int64_t width = picture.width();
    const std::int64_t height = picture.height();
    // Rows whose neighbourhood of every column lies on the picture need no checks.
    const bool columnsInside = xs.front() >= 1 && xs.back() <= width - 2;
    // The columns left open are a scattered pattern the hardware does not foresee; asking for
    // their pixels a few rows ahead keeps the reads from waiting on memory.
    constexpr std::int64_t kReadAhead = 4;
    const auto scanRows = [&](const auto& rows, std::int64_t y) {
        std::size_t kept = 0;
        const QRgb* ahead = columnsInside ? RowPointer(picture, y + kReadAhead) : nullptr;
        for (const std::size_t column : open) {
            if (ahead != nullptr) {
                __builtin_prefetch(ahead + xs[column]);
            }
            const bool hit = match(rows, xs[column]);
            if (hit) {
                found[column] = y;
            }
            open[kept] = column;
            kept += hit ? 0 : 1;
        }
        open.resize(kept);
    };
    const auto scanRow = [&](std::int64_t y) {
        if (columnsInside && y >= 1 && y <= height - 2) {
            scanRows(DirectRows(picture, y), y);
        } else {
            scanRows(CheckedRows(picture, y), y);
        }
    };

    // Rows that neither hold nor touch a picture row all read alike, so one of them stands
    // for every such row above the picture and one for every such row below it.
    std::int64_t y = band.Top;
    if (y <= band.Bottom && y < -1) {
        scanRow(y);
        y = -1;
    }
    for (; y <= band.Bottom && y <= height && !open.empty(); ++y) {
        scanRow(y);
    }
    if (y <= band.Bottom && !open.empty()) {
        scanRow(y);
    }

    std::vector<PicturePoint> points;
    points.reserve(columns);
    for (std::size_t i = 0; i < columns; ++i) {
        if (found[i] != kNotFound) {
            points.push_back(
                {static_cast<std::int32_t>(xs[i]), static_cast<std::int32_t>(found[i])});
        }
    }
    return points;
}

} // namespace

TraceBand TraceBandOf(const Calibration& cal, std::int32_t points) {
    if (points == 0) {
        throw CalcError("Division by zero: no points were asked for.");
    }
    TraceBand band;
    band.Left = std::int64_t{cal.ZeroPointX} + 4;
    const std::int64_t right = std::int64_t{cal.XMaxPointX} - 4;
    band.Top = std::int64_t{cal.YMaxPointY} + 10;
    band.Bottom = std::int64_t{cal.ZeroPointY} - 4;
    const auto width = static_cast<Extended>(right - band.Left);
    band.Step = std::max(RoundHalfEven(width / points), std::int32_t{1});
    band.Columns = std::clamp(RoundHalfEven(width / band.Step), std::int32_t{0}, kMaxTracePoints);
    // Every position the trace may store has to be a 32-bit pixel.
    const auto fits = [](std::int64_t v) {
        return v >= std::numeric_limits<std::int32_t>::min() &&
               v <= std::numeric_limits<std::int32_t>::max();
    };
    const std::int64_t lastX = band.Left + std::int64_t{band.Step} * (band.Columns - 1);
    if (band.Columns > 0 &&
        !(fits(band.Left) && fits(lastX) && fits(band.Top) && fits(band.Bottom))) {
        throw CalcError("The reference points lie too far off the picture to trace between.");
    }
    return band;
}

std::vector<PicturePoint> TraceLine(const QImage& picture, const TraceBand& band,
                                    const TraceRequest& request) {
    if (band.Columns <= 0) {
        return {};
    }
    switch (request.Criterion) {
    case TraceCriterion::Color:
        return ScanBand(picture, band, MatchColor{ToQRgb(request.FindColor) & kRgbMask});
    case TraceCriterion::Black:
        return ScanBand(picture, band, MatchBlack{});
    case TraceCriterion::Special:
        return ScanBand(picture, band, MatchSpecial{});
    case TraceCriterion::Color2:
        return ScanBand(picture, band,
                        MatchNeighbours{NeighbourReading(request.Color2), request.Neighbours});
    }
    return {};
}

std::optional<std::int32_t> WholeNumberIn(const QString& text, std::int32_t low,
                                          std::int32_t high) {
    static const QRegularExpression whole(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    if (!whole.match(text).hasMatch()) {
        return std::nullopt;
    }
    const Extended value = ParseNumber(text, QLatin1Char('.'));
    if (value < low || value > high) {
        return std::nullopt;
    }
    return RoundHalfEven(value);
}

} // namespace lineora
