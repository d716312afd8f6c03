#include "core/photometry/StripSampling.h"
#include "core/photometry/StripScan.h"

#include <algorithm>
#include <vector>

namespace lineora {

using strip_scan::ProgressTicker;

namespace {

struct RowSpan {
    std::int64_t First = 0, Last = -1;
};

// Strip 1 keeps three rows at each end: the strip's frame sits there, not a grid line.
std::vector<RowSpan> ClearedRows(const StripGeometry& strips) {
    const auto& s = strips.Strips;
    return {{std::int64_t{s[1].Top} + 3, std::int64_t{s[1].Bottom} - 3},
            {s[2].Top, s[2].Bottom},
            {s[3].Top, s[3].Bottom}};
}

// Pure white whatever the unused alpha byte holds.
bool IsPureWhite(QRgb rgb) {
    return (rgb & 0x00FFFFFFu) == 0x00FFFFFFu;
}

} // namespace

int ClearGridRows(QImage& working, const StripGeometry& strips, std::int32_t zeroX,
                  std::int32_t xMaxX, double clearKoef, const RowProgress& progress) {
    if (!working.isNull() && working.depth() != 32) {
        working = working.convertToFormat(QImage::Format_RGB32);
    }
    // A chart whose X axis runs to the left has its X-max point left of the zero point; the
    // rows are judged between the two columns either way.
    const std::int64_t left = std::min(zeroX, xMaxX);
    const std::int64_t right = std::max(zeroX, xMaxX);
    const double threshold = static_cast<double>(right - left) * clearKoef;
    // Columns off the picture count as white paper and are never drawn on.
    const std::int64_t from = std::max<std::int64_t>(left, 0);
    const std::int64_t to = std::min<std::int64_t>(right, working.width() - 1);
    const std::int64_t inside = std::max<std::int64_t>(to - from + 1, 0);
    const std::int64_t outside = right - left + 1 - inside;

    const std::vector<RowSpan> spans = ClearedRows(strips);
    std::int64_t total = 0;
    for (const RowSpan& span : spans) {
        total += std::max<std::int64_t>(span.Last - span.First + 1, 0);
    }
    ProgressTicker ticker(progress, total);
    int whitened = 0;
    for (const RowSpan& span : spans) {
        const std::int64_t first = std::max<std::int64_t>(span.First, 0);
        const std::int64_t last = std::min<std::int64_t>(span.Last, working.height() - 1);
        for (std::int64_t y = first; y <= last; ++y) {
            // Read first: writing through scanLine() would copy a picture shared with the clean
            // copy even when the row stays as it is.
            const QRgb* row =
                reinterpret_cast<const QRgb*>(working.constScanLine(static_cast<int>(y)));
            const std::int64_t white =
                outside +
                (inside > 0 ? std::count_if(row + from, row + from + inside, IsPureWhite) : 0);
            if (static_cast<double>(white) < threshold) {
                if (inside > 0) {
                    QRgb* target = reinterpret_cast<QRgb*>(working.scanLine(static_cast<int>(y)));
                    std::fill(target + from, target + from + inside, strip_scan::kWhiteRgb);
                }
                ++whitened;
            }
            ticker.Advance();
        }
        ticker.Advance(std::max<std::int64_t>(span.Last - span.First + 1, 0) -
                       std::max<std::int64_t>(last - first + 1, 0));
    }
    ticker.Finish();
    return whitened;
}

} // namespace lineora
