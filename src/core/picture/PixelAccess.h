#pragma once

#include "core/common/Color.h"
#include "core/common/Types.h"

#include <QImage>

#include <cstdint>

namespace lineora::pixels {

// Both copies of the picture are Format_RGB32, so a pixel is one QRgb in its row. These helpers
// read and write through the row pointers; a position off the picture reads as white paper and
// is never written.

constexpr TColor kWhite = 0x00FFFFFF;

inline bool Inside(const QImage& image, std::int64_t x, std::int64_t y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

// The raw pixel, or opaque white off the picture. `image` must hold 32 bits per pixel.
inline QRgb RgbAt(const QImage& image, std::int64_t x, std::int64_t y) {
    if (!Inside(image, x, y)) {
        return qRgb(255, 255, 255);
    }
    return reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(y)))[x];
}

inline void SetPixelIfInside(QImage& image, std::int64_t x, std::int64_t y, TColor color) {
    if (Inside(image, x, y)) {
        reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)))[x] = ToQRgb(color);
    }
}

// `image` itself when it holds 32 bits per pixel, else an RGB32 conversion kept in `holder`.
// The copies are RGB32 by construction; this only guards against a stray format.
inline const QImage& As32Bit(const QImage& image, QImage& holder) {
    if (image.depth() == 32 || image.isNull()) {
        return image;
    }
    holder = image.convertToFormat(QImage::Format_RGB32);
    return holder;
}

} // namespace lineora::pixels
