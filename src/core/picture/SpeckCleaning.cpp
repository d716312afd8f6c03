#include "core/picture/SpeckCleaning.h"

#include "core/common/Errors.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace lineora {

namespace {

constexpr QRgb kWhiteRgb = 0xFFFFFFFF;
// Side of the square pieces in which the picture's rows are turned into mask columns.
constexpr int kTile = 64;
// Columns between two progress reports.
constexpr int kReportColumns = 256;

// The scan runs down columns, which in a row-major picture touches a new cache line at every
// pixel. It runs instead on a column-major copy of the ink, one byte a pixel, where a column is
// contiguous; the rule reads the updated mask exactly as it would read the updated picture.
class InkMask {
public:
    InkMask(const QImage& picture, const InkLimits& ink)
        : width_(picture.width()), height_(picture.height()),
          cells_(std::make_unique_for_overwrite<std::uint8_t[]>(
              static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_))) {
        for (int top = 0; top < height_; top += kTile) {
            const int bottom = std::min(height_, top + kTile);
            for (int left = 0; left < width_; left += kTile) {
                FillTile(picture, ink, left, std::min(width_, left + kTile), top, bottom);
            }
        }
    }

    std::uint8_t* Column(int x) { return cells_.get() + static_cast<std::size_t>(x) * height_; }

private:
    void FillTile(const QImage& picture, const InkLimits& ink, int left, int right, int top,
                  int bottom) {
        for (int y = top; y < bottom; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            std::uint8_t* cell = Column(left) + y;
            for (int x = left; x < right; ++x, cell += height_) {
                const QRgb rgb = row[x];
                *cell = qRed(rgb) <= ink.Red && qGreen(rgb) <= ink.Green && qBlue(rgb) <= ink.Blue;
            }
        }
    }

    int width_, height_;
    std::unique_ptr<std::uint8_t[]> cells_;
};

} // namespace

void CleanSpecks(QImage& picture, const InkLimits& ink,
                 const std::function<void(int column)>& progress) {
    if (picture.depth() != 32) {
        throw CalcError("Specks are cleaned from a true-colour picture only");
    }
    const int width = picture.width();
    const int height = picture.height();
    if (width < 4 || height < 4) {
        return; // nothing lies inside the two-pixel border
    }
    InkMask mask(picture, ink);
    uchar* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (int x = 2; x <= width - 2; ++x) {
        if (progress && (x - 2) % kReportColumns == 0) {
            progress(x);
        }
        const std::uint8_t* left = mask.Column(x - 1);
        std::uint8_t* column = mask.Column(x);
        const std::uint8_t* right = mask.Column(x + 1);
        for (int y = 2; y <= height - 2; ++y) {
            if (column[y] == 0) {
                continue;
            }
            const int neighbours = left[y] + right[y] + column[y - 1] + column[y + 1] +
                                   left[y - 1] + left[y + 1] + right[y - 1] + right[y + 1];
            if (neighbours < 2) {
                column[y] = 0;
                reinterpret_cast<QRgb*>(bits + y * stride)[x] = kWhiteRgb;
            }
        }
    }
}

} // namespace lineora
