#include "core/common/Color.h"
#include "core/photometry/StripSampling.h"
#include "core/photometry/StripScan.h"
#include "core/picture/PixelAccess.h"

#include <algorithm>
#include <vector>

namespace lineora {

using namespace strip_scan;

namespace {

// The smallest and largest component among a trace's three shades, bounds inclusive.
struct ColourBox {
    std::int32_t MinR = 255, MinG = 255, MinB = 255, MaxR = 0, MaxG = 0, MaxB = 0;

    // Branch-free: a component below its minimum wraps to a large unsigned distance.
    int Holds(QRgb rgb) const {
        const TColor c = FromQRgb(rgb);
        return static_cast<int>(Within(ColorRed(c), MinR, MaxR) &
                                Within(ColorGreen(c), MinG, MaxG) &
                                Within(ColorBlue(c), MinB, MaxB));
    }

    // Holds for a whole row, in plain unsigned arithmetic on the RGB32 pixels (the components
    // FromQRgb would take apart) so that the loop vectorises.
    void HoldsEach(const QRgb* row, std::uint8_t* out, std::size_t count) const {
        const auto minR = static_cast<std::uint32_t>(MinR), spanR = Span(MinR, MaxR);
        const auto minG = static_cast<std::uint32_t>(MinG), spanG = Span(MinG, MaxG);
        const auto minB = static_cast<std::uint32_t>(MinB), spanB = Span(MinB, MaxB);
        for (std::size_t x = 0; x < count; ++x) {
            const std::uint32_t p = row[x];
            const std::uint32_t r = (p >> 16) & 0xFFu, g = (p >> 8) & 0xFFu, b = p & 0xFFu;
            out[x] = static_cast<std::uint8_t>((r - minR <= spanR) & (g - minG <= spanG) &
                                               (b - minB <= spanB));
        }
    }

private:
    static std::uint32_t Span(std::int32_t min, std::int32_t max) {
        return static_cast<std::uint32_t>(max - min);
    }
    static bool Within(std::int32_t v, std::int32_t min, std::int32_t max) {
        return static_cast<std::uint32_t>(v - min) <= static_cast<std::uint32_t>(max - min);
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

// The matches of one working row, entry x + 1 for the columns -1 .. width with paper at both
// ends. Matching a whole row at once is a tight loop the compiler vectorises, and every
// search line then reads its neighbours from a few kilobytes instead of the picture.
class MatchRow {
public:
    void Fill(const QImage& working, std::int64_t y, const ColourBox& box, std::uint8_t paper) {
        const std::size_t width = static_cast<std::size_t>(working.width());
        matches_.resize(width + 2);
        matches_.front() = paper;
        matches_.back() = paper;
        if (y < 0 || y >= working.height()) {
            std::fill(matches_.begin(), matches_.end(), paper);
            return;
        }
        const QRgb* row = reinterpret_cast<const QRgb*>(working.constScanLine(static_cast<int>(y)));
        box.HoldsEach(row, matches_.data() + 1, width);
    }
    // Matches at x - 1, x and x + 1, or at x - 1 and x + 1; x within the picture's width.
    int Three(std::int64_t x) const {
        const std::uint8_t* m = matches_.data() + x;
        return m[0] + m[1] + m[2];
    }
    int Sides(std::int64_t x) const {
        const std::uint8_t* m = matches_.data() + x;
        return m[0] + m[2];
    }

private:
    std::vector<std::uint8_t> matches_;
};

struct SearchLine {
    int K = 0;
    std::int64_t X = 0;
};

// The eight neighbours of a column off the working picture, read one by one.
int NeighboursOff(const QImage& working, std::int64_t x, std::int64_t y, const ColourBox& box) {
    int count = 0;
    for (std::int64_t dy = -1; dy <= 1; ++dy) {
        const RowView row(working, y + dy);
        count += box.Holds(row.At(x - 1)) + box.Holds(row.At(x + 1)) +
                 (dy != 0 ? box.Holds(row.At(x)) : 0);
    }
    return count;
}

// Rows y - 1, y and y + 1 of the working picture as matches, moved down one row at a time.
// The clean copy gives only the centres, one pixel per open search line, so it is read
// pixel by pixel.
class MatchWindow {
public:
    MatchWindow(const QImage& working, const ColourBox& box, std::int64_t y)
        : working_(working), box_(box), paper_(static_cast<std::uint8_t>(box.Holds(kWhiteRgb))),
          width_(working.width()) {
        for (int i = 0; i < 3; ++i) {
            rows_[i].Fill(working_, y - 1 + i, box_, paper_);
        }
    }
    void Down(std::int64_t y) {
        std::rotate(rows_.begin(), rows_.begin() + 1, rows_.end());
        rows_[2].Fill(working_, y + 1, box_, paper_);
    }
    bool Covers(std::int64_t x) const { return x >= 0 && x < width_; }
    // The matching neighbours of (x, y) but the centre; x on the picture.
    int Neighbours(std::int64_t x) const {
        return rows_[0].Three(x) + rows_[1].Sides(x) + rows_[2].Three(x);
    }

private:
    const QImage& working_;
    const ColourBox& box_;
    std::uint8_t paper_;
    std::int64_t width_; // QImage::width() is a call, too dear per pixel
    std::array<MatchRow, 3> rows_;
};

// The pixel test on row y at each open search line; those that pass take the row and close.
void TestRow(PointStore& store, const QImage& clean, const QImage& working, const ColourBox& box,
             std::int32_t density, int trace, std::int64_t y, const MatchWindow& window,
             std::vector<SearchLine>& open) {
    const RowView centre(clean, y);
    auto kept = open.begin();
    for (const SearchLine line : open) {
        const int neighbours = window.Covers(line.X) ? window.Neighbours(line.X)
                                                     : NeighboursOff(working, line.X, y, box);
        // The centre adds at most one, so it is read only when it decides.
        const bool passes = neighbours >= density ||
                            (neighbours + 1 >= density && box.Holds(centre.At(line.X)) != 0);
        if (passes) {
            SampleY(store, line.K, trace) = static_cast<std::int32_t>(y);
        } else {
            *kept++ = line;
        }
    }
    open.erase(kept, open.end());
}

// Every row whose neighbourhood lies wholly off both pictures tests as nine white pixels, so
// such a stretch is decided by its first row and the scan need not walk it.
void SearchTraceByColour(PointStore& store, const QImage& clean, const QImage& working,
                         const ScanRange& range, const ColourBox& box, std::int32_t density,
                         int trace, int count, ProgressTicker& ticker) {
    const std::int64_t height = std::max(clean.height(), working.height());
    const bool paperPasses = 9 * box.Holds(kWhiteRgb) >= density;
    const std::int64_t onFrom = std::max(range.First, std::int64_t{-1});
    const std::int64_t onTo = std::min(range.Last, height);
    if (range.First < onFrom && paperPasses) {
        for (int k = 1; k <= count; ++k) {
            SampleY(store, k, trace) = static_cast<std::int32_t>(range.First);
        }
        ticker.Advance(range.Rows());
        return;
    }
    std::vector<SearchLine> open;
    open.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        open.push_back({k, SampleX(store, k, trace)});
    }
    MatchWindow window(working, box, onFrom);
    std::int64_t scanned = 0;
    for (std::int64_t y = onFrom; y <= onTo && !open.empty(); ++y) {
        if (y > onFrom) {
            window.Down(y);
        }
        TestRow(store, clean, working, box, density, trace, y, window, open);
        ticker.Advance();
        ++scanned;
    }
    ticker.Advance(range.Rows() - scanned);
    if (onTo < range.Last && paperPasses) {
        for (const SearchLine& line : open) {
            SampleY(store, line.K, trace) =
                static_cast<std::int32_t>(std::max(onTo + 1, range.First));
        }
    }
}

} // namespace

void SearchByColour(PointStore& store, const QImage& cleanPicture, const QImage& workingPicture,
                    const StripGeometry& strips, const std::array<TColor, 10>& colours,
                    std::int32_t density, std::int32_t n, const RowProgress& progress) {
    QImage cleanHolder, workingHolder;
    const QImage& clean = pixels::As32Bit(cleanPicture, cleanHolder);
    const QImage& working = pixels::As32Bit(workingPicture, workingHolder);
    const int count = SampleCount(n);
    ProgressTicker ticker(progress, TotalRows(strips));
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        for (int k = 1; k <= count; ++k) {
            SampleY(store, k, trace) = NotFoundRow(strips, trace);
        }
        SearchTraceByColour(store, clean, working, RangeOf(strips, trace), BoxOf(colours, trace),
                            density, trace, count, ticker);
    }
    ticker.Finish();
}

} // namespace lineora
