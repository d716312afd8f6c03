#include "core/common/Color.h"
#include "core/common/Rounding.h"
#include "core/photometry/StripSampling.h"
#include "core/photometry/StripScan.h"
#include "core/picture/PixelAccess.h"

#include <algorithm>
#include <vector>

namespace lineora {

using namespace strip_scan;

namespace {

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

void SearchRedInk(PointStore& store, const QImage& cleanPicture, const StripGeometry& strips,
                  std::int32_t n, const RowProgress& progress) {
    QImage holder;
    const QImage& clean = pixels::As32Bit(cleanPicture, holder);
    const int count = SampleCount(n);
    ProgressTicker ticker(progress, TotalRows(strips));
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
