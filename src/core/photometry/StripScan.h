#pragma once

#include "core/common/Types.h"
#include "core/curves/PointStore.h"
#include "core/photometry/StripSampling.h"

#include <QImage>

#include <algorithm>
#include <cstdint>

namespace lineora::strip_scan {

// What the strip tools share: the samples a count of search lines reaches, one picture row
// read with white paper around it, and progress reported a few times per loop.

// Search lines the curves can hold: n clamped to 0..kLastRow.
inline int SampleCount(std::int64_t n) {
    return static_cast<int>(std::clamp<std::int64_t>(n, 0, kLastRow));
}

constexpr QRgb kWhiteRgb = 0xFFFFFFFFu;

// A row of an RGB32 picture, or no row when y is off it; every pixel off the picture is white.
class RowView {
public:
    RowView(const QImage& image, std::int64_t y) : width_(image.width()) {
        if (y >= 0 && y < image.height()) {
            pixels_ = reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(y)));
        }
    }
    QRgb At(std::int64_t x) const {
        return pixels_ != nullptr && x >= 0 && x < width_ ? pixels_[x] : kWhiteRgb;
    }

private:
    const QRgb* pixels_ = nullptr;
    std::int64_t width_ = 0;
};

// Both searches walk a strip row by row and test every search line still open on each row,
// so each picture row is read once per strip instead of once per search line.

// The rows a trace is searched on: its strip without five rows at each end.
struct ScanRange {
    std::int64_t First = 0, Last = -1;
    std::int64_t Rows() const { return std::max<std::int64_t>(Last - First + 1, 0); }
};

inline ScanRange RangeOf(const StripGeometry& strips, int trace) {
    const Strip& strip = strips.Strips[static_cast<std::size_t>(trace)];
    return {std::int64_t{strip.Top} + 5, std::int64_t{strip.Bottom} - 5};
}

// The rows of all three traces together, for the progress.
inline std::int64_t TotalRows(const StripGeometry& strips) {
    std::int64_t total = 0;
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        total += RangeOf(strips, trace).Rows();
    }
    return total;
}

inline std::int32_t& SampleX(PointStore& store, int k, int trace) {
    return store.PointPixels[static_cast<std::size_t>(k)][static_cast<std::size_t>(trace)].PixX;
}

inline std::int32_t& SampleY(PointStore& store, int k, int trace) {
    return store.PointPixels[static_cast<std::size_t>(k)][static_cast<std::size_t>(trace)].PixY;
}

// Calls `progress` about sixteen times over `total` steps, and once at the end.
class ProgressTicker {
public:
    ProgressTicker(const RowProgress& progress, std::int64_t total)
        : progress_(progress), total_(std::max<std::int64_t>(total, 0)),
          stride_(std::max<std::int64_t>(total_ / 16, 1)), next_(stride_) {}
    void Advance(std::int64_t steps = 1) {
        done_ += steps;
        if (progress_ && done_ >= next_ && done_ < total_) {
            next_ = done_ + stride_;
            progress_(Clamped(done_), Clamped(total_));
        }
    }
    void Finish() {
        if (progress_) {
            progress_(Clamped(total_), Clamped(total_));
        }
    }

private:
    static int Clamped(std::int64_t value) {
        return static_cast<int>(std::min<std::int64_t>(value, INT32_MAX));
    }
    const RowProgress& progress_;
    std::int64_t total_;
    std::int64_t stride_;
    std::int64_t next_;
    std::int64_t done_ = 0;
};

} // namespace lineora::strip_scan
