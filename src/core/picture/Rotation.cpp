#include "core/picture/Rotation.h"

#include "core/common/Errors.h"
#include "core/common/Rounding.h"
#include "core/picture/PixelAccess.h"
#include "core/picture/TwoThreadRows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace lineora {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr QRgb kWhiteRgb = 0xFFFFFFFF;

// The polar rule r cos(alpha - theta) equals X cos theta + Y sin theta up to rounding errors
// of about 1e-12 pixel, so both round alike unless the value lies next to a half. Those few
// pixels take the polar rule itself, which keeps the result identical to it.
constexpr double kTieMargin = 1e-7;
constexpr double kNearHalf = 0.5 - kTieMargin;
// Adding and taking away 1.5 * 2^52 rounds a double below 2^51 to a whole number in the
// current rounding mode, without a library call. Should the mode ever not be to-nearest, the
// remainder comes out at 0.5 or more and the pixel goes to the polar rule.
constexpr double kRoundingBias = 6755399441055744.0;

// Rows a thread turns between two progress reports; columns turned row after row, so that the
// few source rows a strip reads stay in the cache.
constexpr int kBlockRows = 64;
constexpr int kStripWidth = 256;

inline double WholeNearest(double value) {
    return (value + kRoundingBias) - kRoundingBias;
}

std::int32_t CheckedExtent(std::int64_t value) {
    if (value <= 0 || value > std::numeric_limits<std::int32_t>::max()) {
        throw CalcError("The turned picture would have a size of " + std::to_string(value) +
                        " pixels");
    }
    return static_cast<std::int32_t>(value);
}

// Target rows and the source they come from.
class Turner {
public:
    Turner(const QImage& source, double theta, const RotatedFrame& frame, QImage& target)
        : sourceBits_(source.constBits()), sourceStride_(source.bytesPerLine()),
          sourceWidth_(source.width()), sourceHeight_(source.height()), targetBits_(target.bits()),
          targetStride_(target.bytesPerLine()), targetWidth_(frame.Width), theta_(theta),
          cos_(std::cos(theta)), sin_(std::sin(theta)), a_(frame.A), b_(frame.B) {
        columnCos_.resize(static_cast<std::size_t>(targetWidth_));
        columnSin_.resize(static_cast<std::size_t>(targetWidth_));
        for (int x = 0; x < targetWidth_; ++x) {
            const double column = static_cast<double>(std::int64_t{b_} + x);
            columnCos_[static_cast<std::size_t>(x)] = column * cos_;
            columnSin_[static_cast<std::size_t>(x)] = column * sin_;
        }
    }

    void TurnRows(int top, int bottom) const {
        for (int left = 0; left < targetWidth_; left += kStripWidth) {
            const int right = std::min(targetWidth_, left + kStripWidth);
            for (int y = top; y < bottom; ++y) {
                TurnStrip(y, left, right);
            }
        }
    }

private:
    void TurnStrip(int y, int left, int right) const {
        const double rowY = static_cast<double>(std::int64_t{a_} + y);
        const double rowX = rowY * sin_;
        const double rowDown = rowY * cos_;
        auto* out = reinterpret_cast<QRgb*>(targetBits_ + y * targetStride_);
        for (int x = left; x < right; ++x) {
            const double sx = rowX + columnCos_[static_cast<std::size_t>(x)];
            const double sy = rowDown - columnSin_[static_cast<std::size_t>(x)];
            const double wholeX = WholeNearest(sx);
            const double wholeY = WholeNearest(sy);
            if (std::fabs(sx - wholeX) < kNearHalf && std::fabs(sy - wholeY) < kNearHalf) {
                // Whole numbers well inside int64: the conversion is exact.
                out[x] = SourceOrWhite(static_cast<std::int64_t>(wholeX),
                                       static_cast<std::int64_t>(wholeY));
            } else {
                out[x] = PolarPixel(std::int64_t{b_} + x, std::int64_t{a_} + y);
            }
        }
    }

    QRgb PolarPixel(std::int64_t x, std::int64_t y) const {
        const double r = std::sqrt(static_cast<double>(x * x + y * y));
        const double alpha = std::atan2(static_cast<double>(y), static_cast<double>(x));
        return SourceOrWhite(RoundHalfEven(r * std::cos(alpha - theta_)),
                             RoundHalfEven(r * std::sin(alpha - theta_)));
    }

    QRgb SourceOrWhite(std::int64_t x, std::int64_t y) const {
        if (x < 0 || y < 0 || x >= sourceWidth_ || y >= sourceHeight_) {
            return kWhiteRgb;
        }
        return reinterpret_cast<const QRgb*>(sourceBits_ + y * sourceStride_)[x];
    }

    const uchar* sourceBits_;
    qsizetype sourceStride_;
    int sourceWidth_, sourceHeight_;
    uchar* targetBits_;
    qsizetype targetStride_;
    int targetWidth_;
    double theta_, cos_, sin_;
    std::int32_t a_, b_;
    std::vector<double> columnCos_, columnSin_;
};

} // namespace

RotatedFrame RotatedFrameOf(std::int32_t width, std::int32_t height, double theta) {
    if (width <= 0 || height <= 0) {
        throw CalcError("There is no picture to turn");
    }
    if (!(std::fabs(theta) <= kPi / 2)) {
        throw CalcError("The X axis points to the left; a picture is turned by at most a quarter "
                        "turn either way");
    }
    const double w = width;
    const double h = height;
    const double diagonal = std::sqrt(w * w + h * h);
    const double phi = std::atan(h / w);
    RotatedFrame frame;
    if (theta < 0) {
        frame.A = RoundHalfEven(w * std::sin(theta));
        frame.Height = CheckedExtent(std::int64_t{RoundHalfEven(h * std::cos(theta))} - frame.A);
        frame.Width = CheckedExtent(RoundHalfEven(diagonal * std::cos(theta + phi)));
    } else {
        frame.Height = CheckedExtent(RoundHalfEven(diagonal * std::sin(theta + phi)));
        frame.B = RoundHalfEven(h * std::cos(theta + kPi / 2));
        frame.Width = CheckedExtent(std::int64_t{RoundHalfEven(w * std::cos(theta))} - frame.B);
    }
    return frame;
}

void RotatePicture(const QImage& source, double theta, const RotatedFrame& frame, QImage& target,
                   const std::function<void(int row)>& progress) {
    if (target.width() != frame.Width || target.height() != frame.Height || target.depth() != 32) {
        throw CalcError("The buffer for the turned picture has the wrong size or format");
    }
    QImage holder;
    const QImage& source32 = pixels::As32Bit(source, holder);
    // Built here, so that target.bits() detaches a shared buffer before any thread writes.
    const Turner turner(source32, theta, frame, target);
    RunRowsInTwoThreads(
        frame.Height, kBlockRows, [&turner](int from, int to) { turner.TurnRows(from, to); },
        progress);
}

} // namespace lineora
