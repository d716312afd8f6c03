#include "core/picture/Straightening.h"

#include "core/common/Errors.h"
#include "core/common/Rounding.h"
#include "core/picture/PixelAccess.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace lineora {

namespace {

std::int32_t Int32Of(std::int64_t value) {
    return TruncToInt32(static_cast<Extended>(value));
}

// Centre and radius of a strip's arc. The radius is one for all arcs, so each call overwrites
// the last one's.
void PlaceArc(Strip& strip, std::int32_t& arcRadius, std::int32_t x0, Extended theta,
              std::int32_t radius) {
    const Extended top = strip.Top;
    const std::int32_t mid = TruncToInt32(top + (strip.Bottom - top) / 2);
    strip.CentreX = TruncToInt32(std::cos(theta) * radius + x0);
    strip.CentreY = TruncToInt32(mid - std::sin(theta) * radius);
    const Extended dx = static_cast<Extended>(x0) - strip.CentreX;
    const Extended dy = top - strip.CentreY;
    arcRadius = TruncToInt32(std::sqrt(dx * dx + dy * dy));
}

// Rows a strip's band covers: its ends widened by half the gap on each side.
struct Band {
    std::int64_t First = 0, Last = -1;
    std::int64_t CentreY = 0;
};

Band BandOf(const StripGeometry& strips, int number) {
    const Strip& strip = strips.Strips[static_cast<std::size_t>(number)];
    const std::int64_t half = strips.Gap / 2; // toward zero, as the gap may be negative
    return {std::int64_t{strip.Top} - half, std::int64_t{strip.Bottom} + half, strip.CentreY};
}

// Largest distance from its arc centre of any band row that lies on the picture; -1 when no
// band reaches the picture.
std::int64_t FarthestOffset(const StripGeometry& strips, std::int32_t pictureHeight) {
    std::int64_t farthest = -1;
    for (int number = 1; number <= 3; ++number) {
        const Band band = BandOf(strips, number);
        const std::int64_t first = std::max<std::int64_t>(band.First, 0);
        const std::int64_t last = std::min<std::int64_t>(band.Last, pictureHeight - 1);
        if (first <= last) {
            farthest =
                std::max({farthest, std::abs(first - band.CentreY), std::abs(last - band.CentreY)});
        }
    }
    return farthest;
}

// Shift plus the two columns every shifted row moves over; 0 for a row outside every band.
// Bands are written top to bottom strip, so the lowest band holding the row decides.
std::int64_t RowDisplacement(const std::array<Band, 4>& bands, const RowShiftTable& shifts,
                             std::int64_t y) {
    for (int number = 3; number >= 1; --number) {
        const Band& band = bands[static_cast<std::size_t>(number)];
        if (y >= band.First && y <= band.Last) {
            return std::int64_t{shifts.At(y - band.CentreY)} + 2;
        }
    }
    return 0;
}

// target row := white, then source columns 0 .. targetWidth (inclusive, as far as the source
// has them) laid in from column `displacement` on.
void WriteRow(const QRgb* source, std::int64_t sourceWidth, QRgb* target, std::int64_t targetWidth,
              std::int64_t displacement) {
    const std::int64_t copied = std::min(sourceWidth, targetWidth + 1);
    const std::int64_t from = std::clamp<std::int64_t>(displacement, 0, targetWidth);
    const std::int64_t to = std::clamp<std::int64_t>(copied + displacement, from, targetWidth);
    const QRgb white = ToQRgb(pixels::kWhite);
    std::fill(target, target + from, white);
    if (to > from) {
        std::memcpy(target + from, source + (from - displacement),
                    static_cast<std::size_t>(to - from) * sizeof(QRgb));
    }
    std::fill(target + to, target + targetWidth, white);
}

} // namespace

StripGeometry ComputeStrips(const Calibration& cal, std::int32_t gap, std::int32_t radius) {
    const std::int64_t y0 = cal.ZeroPointY;
    const std::int64_t yTop = cal.YMaxPointY;
    const std::int64_t g = gap;
    const std::int32_t h = TruncToInt32(static_cast<Extended>(y0 - yTop - 2 * g) / 3);

    StripGeometry strips;
    strips.EndX = cal.ZeroPointX;
    strips.Gap = gap;
    Strip& top = strips.Strips[1];
    Strip& middle = strips.Strips[2];
    Strip& bottom = strips.Strips[3];
    bottom.Top = Int32Of(y0 - h);
    bottom.Bottom = Int32Of(y0);
    top.Top = Int32Of(yTop);
    top.Bottom = Int32Of(yTop + h);
    middle.Top = Int32Of(std::int64_t{top.Bottom} + g);
    middle.Bottom = Int32Of(std::int64_t{bottom.Top} - g);
    for (Strip* strip : {&bottom, &top, &middle}) {
        PlaceArc(*strip, strips.ArcRadius, cal.ZeroPointX, cal.AxisAngleX, radius);
    }
    return strips;
}

RowShiftTable BuildRowShift(const StripGeometry& strips, std::int32_t pictureHeight) {
    const Strip& bottom = strips.Strips[3];
    const std::int64_t n = std::int64_t{bottom.CentreY} - bottom.Top + strips.Gap;
    const std::int64_t r = strips.ArcRadius;
    if (n > r) {
        throw CalcError(QStringLiteral("The curvature is too strong for these strips: rows %1 "
                                       "pixels from an arc centre lie beyond the arc radius of "
                                       "%2 pixels. Make the arcs flatter or the gap smaller.")
                            .arg(n)
                            .arg(r));
    }
    RowShiftTable table;
    // Offsets the straightening never reads need no entry, and those past n shift by 0.
    const std::int64_t reach =
        std::min(n, std::max<std::int64_t>(FarthestOffset(strips, pictureHeight), 0));
    if (reach < 0) {
        return table;
    }
    table.Reach = Int32Of(reach);
    table.Shifts.assign(static_cast<std::size_t>(2 * reach + 1), 0);
    const std::int64_t toAxis = std::int64_t{strips.EndX} - bottom.CentreX;
    for (std::int64_t i = 0; i <= reach; ++i) {
        const Extended leg = std::sqrt(static_cast<Extended>(r * r - i * i));
        std::int64_t shift = toAxis + TruncToInt32(leg);
        if (shift > 1) {
            shift -= 1;
        }
        const std::int32_t value = Int32Of(shift);
        table.Shifts[static_cast<std::size_t>(reach + i)] = value;
        table.Shifts[static_cast<std::size_t>(reach - i)] = value;
    }
    return table;
}

std::int32_t StraightenedWidth(std::int32_t width, const RowShiftTable& shifts) {
    return Int32Of(std::int64_t{width} + shifts.At(0) + 2);
}

void StraightenRows(const QImage& clean, const StripGeometry& strips, const RowShiftTable& shifts,
                    QImage& target, const std::function<void(int row)>& progress) {
    QImage holder;
    const QImage& source = pixels::As32Bit(clean, holder);
    const int height = source.height();
    const std::int32_t width = StraightenedWidth(source.width(), shifts);
    if (width < 1) {
        throw CalcError(
            QStringLiteral("The straightened picture would be %1 pixels wide.").arg(width));
    }
    if (target.size() != QSize(width, height) || target.format() != QImage::Format_RGB32) {
        target = QImage(width, height, QImage::Format_RGB32);
        if (target.isNull()) {
            throw CalcError(QStringLiteral("Not enough memory for a picture of %1 x %2 pixels.")
                                .arg(width)
                                .arg(height));
        }
    }
    const std::array<Band, 4> bands{Band{}, BandOf(strips, 1), BandOf(strips, 2),
                                    BandOf(strips, 3)};
    constexpr int kRowsPerReport = 64;
    for (int y = 0; y < height; ++y) {
        if (progress && y % kRowsPerReport == 0) {
            progress(y);
        }
        WriteRow(reinterpret_cast<const QRgb*>(source.constScanLine(y)), source.width(),
                 reinterpret_cast<QRgb*>(target.scanLine(y)), width,
                 RowDisplacement(bands, shifts, y));
    }
}

} // namespace lineora
