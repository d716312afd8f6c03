#include "core/common/Color.h"
#include "core/common/Rounding.h"
#include "core/photometry/StripSampling.h"
#include "core/photometry/StripScan.h"

#include <algorithm>
#include <vector>

namespace lineora {

using strip_scan::ProgressTicker;
using strip_scan::RowView;
using strip_scan::SampleCount;

namespace {

// Both searches walk a strip row by row and test every search line still open on each row,
// so each picture row is read once per strip instead of once per search line.

// The rows a trace is searched on.
struct ScanRange {
    std::int64_t First = 0, Last = -1;
    std::int64_t Rows() const { return std::max<std::int64_t>(Last - First + 1, 0); }
};

ScanRange RangeOf(const StripGeometry& strips, int trace) {
    const Strip& strip = strips.Strips[static_cast<std::size_t>(trace)];
    return {std::int64_t{strip.Top} + 5, std::int64_t{strip.Bottom} - 5};
}

std::int32_t& SampleX(PointStore& store, int k, int trace) {
    return store.PointPixels[static_cast<std::size_t>(k)][static_cast<std::size_t>(trace)].PixX;
}

std::int32_t& SampleY(PointStore& store, int k, int trace) {
    return store.PointPixels[static_cast<std::size_t>(k)][static_cast<std::size_t>(trace)].PixY;
}

// The smallest and largest component among a trace's three shades, bounds inclusive.
struct ColourBox {
    std::int32_t MinR = 255, MinG = 255, MinB = 255, MaxR = 0, MaxG = 0, MaxB = 0;

    bool Holds(QRgb rgb) const {
        const TColor c = FromQRgb(rgb);
        const std::int32_t r = ColorRed(c), g = ColorGreen(c), b = ColorBlue(c);
        return r >= MinR && r <= MaxR && g >= MinG && g <= MaxG && b >= MinB && b <= MaxB;
    }
};

ColourBox BoxOf(const std::array<TColor, 10>& colours, int trace) {
    ColourBox box;
    for (int shade = 3 * trace - 2; shade <= 3 * trace; ++shade) {
        const TColor c = colours[static_cast<std::size_t>(shade)];
        box.MinR = std::min(box.MinR, ColorRed(c));
        box.MaxR = std::max(box.MaxR, ColorRed(c));
        box.MinG = std::min(box.MinG, ColorGreen(c));
        box.MaxG = std::max(box.MaxG, ColorGreen(c));
        box.MinB = std::min(box.MinB, ColorBlue(c));
        box.MaxB = std::max(box.MaxB, ColorBlue(c));
    }
    return box;
}

// The pixel test on row y at each open search line; those that pass take the row and close.
void TestRow(PointStore& store, const QImage& clean, const QImage& working, const ColourBox& box,
             std::int32_t density, int trace, std::int64_t y, std::vector<int>& open) {
    const RowView centre(clean, y);
    const RowView above(working, y - 1), row(working, y), below(working, y + 1);
    auto kept = open.begin();
    for (const int k : open) {
        const std::int64_t x = SampleX(store, k, trace);
        const int count =
            box.Holds(centre.At(x)) + box.Holds(above.At(x - 1)) + box.Holds(above.At(x)) +
            box.Holds(above.At(x + 1)) + box.Holds(row.At(x - 1)) + box.Holds(row.At(x + 1)) +
            box.Holds(below.At(x - 1)) + box.Holds(below.At(x)) + box.Holds(below.At(x + 1));
        if (count >= density) {
            SampleY(store, k, trace) = static_cast<std::int32_t>(y);
        } else {
            *kept++ = k;
        }
    }
    open.erase(kept, open.end());
}

// Every row whose neighbourhood lies wholly off both pictures tests as nine white pixels, so
// such a stretch is decided by its first row and the scan need not walk it.
void SearchTraceByColour(PointStore& store, const QImage& clean, const QImage& working,
                         const ScanRange& range, const ColourBox& box, std::int32_t density,
                         int trace, std::vector<int> open, ProgressTicker& ticker) {
    const std::int64_t height = std::max(clean.height(), working.height());
    const bool paperPasses = 9 * box.Holds(strip_scan::kWhiteRgb) >= density;
    const std::int64_t onFrom = std::max(range.First, std::int64_t{-1});
    const std::int64_t onTo = std::min(range.Last, height);
    if (range.First < onFrom && paperPasses) {
        for (const int k : open) {
            SampleY(store, k, trace) = static_cast<std::int32_t>(range.First);
        }
        ticker.Advance(range.Rows());
        return;
    }
    std::int64_t scanned = 0;
    for (std::int64_t y = onFrom; y <= onTo && !open.empty(); ++y) {
        TestRow(store, clean, working, box, density, trace, y, open);
        ticker.Advance();
        ++scanned;
    }
    ticker.Advance(range.Rows() - scanned);
    if (!open.empty() && onTo < range.Last && paperPasses) {
        for (const int k : open) {
            SampleY(store, k, trace) = static_cast<std::int32_t>(std::max(onTo + 1, range.First));
        }
    }
}

// Where a search line's longest run of red ink ends, kept while the rows go by. The first
// longest run wins, so a run only replaces one strictly shorter.
struct RunTracker {
    std::int32_t Run = 0, Longest = 0;
    std::int64_t End = 0;
};

bool IsRedInk(QRgb rgb) {
    const TColor c = FromQRgb(rgb);
    return ColorRed(c) >= 180 && ColorGreen(c) <= 100 && ColorBlue(c) <= 100;
}

} // namespace

void SearchByColour(PointStore& store, const QImage& clean, const QImage& working,
                    const StripGeometry& strips, const std::array<TColor, 10>& colours,
                    std::int32_t density, std::int32_t n, const RowProgress& progress) {
    const int count = SampleCount(n);
    std::int64_t total = 0;
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        total += RangeOf(strips, trace).Rows();
    }
    ProgressTicker ticker(progress, total);
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        std::vector<int> open;
        open.reserve(static_cast<std::size_t>(count));
        for (int k = 1; k <= count; ++k) {
            SampleY(store, k, trace) = NotFoundRow(strips, trace);
            open.push_back(k);
        }
        SearchTraceByColour(store, clean, working, RangeOf(strips, trace), BoxOf(colours, trace),
                            density, trace, std::move(open), ticker);
    }
    ticker.Finish();
}

void SearchRedInk(PointStore& store, const QImage& clean, const StripGeometry& strips,
                  std::int32_t n, const RowProgress& progress) {
    const int count = SampleCount(n);
    std::int64_t total = 0;
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        total += RangeOf(strips, trace).Rows();
    }
    ProgressTicker ticker(progress, total);
    std::vector<RunTracker> runs(static_cast<std::size_t>(count) + 1);
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        const ScanRange range = RangeOf(strips, trace);
        std::fill(runs.begin(), runs.end(), RunTracker{});
        // Rows off the picture hold no ink: they only end runs, as the scan's start does.
        const std::int64_t first = std::max<std::int64_t>(range.First, 0);
        const std::int64_t last = std::min<std::int64_t>(range.Last, clean.height() - 1);
        for (std::int64_t y = first; y <= last; ++y) {
            const RowView row(clean, y);
            for (int k = 1; k <= count; ++k) {
                RunTracker& run = runs[static_cast<std::size_t>(k)];
                run.Run = IsRedInk(row.At(SampleX(store, k, trace))) ? run.Run + 1 : 0;
                if (run.Run > run.Longest) {
                    run.Longest = run.Run;
                    run.End = y;
                }
            }
            ticker.Advance();
        }
        ticker.Advance(range.Rows() - std::max<std::int64_t>(last - first + 1, 0));
        for (int k = 1; k <= count; ++k) {
            const RunTracker& run = runs[static_cast<std::size_t>(k)];
            SampleY(store, k, trace) =
                run.Longest > 1
                    ? RoundHalfEven((2 * static_cast<Extended>(run.End) - run.Longest) / 2)
                    : NotFoundRow(strips, trace);
        }
    }
    ticker.Finish();
}

} // namespace lineora
