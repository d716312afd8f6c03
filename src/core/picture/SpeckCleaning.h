#pragma once

#include "core/picture/AssistedPicking.h"

#include <QImage>

#include <functional>

namespace lineora {

// Turns scanner dust white. A pixel is ink when each of its components is at most its limit.
// Columns 2 .. width-2 are scanned from the left, each from row 2 to height-2, and an ink pixel
// with fewer than two ink pixels among its eight neighbours becomes white at once, so a pixel
// whitened earlier no longer counts for the pixels after it: a one-pixel line vanishes
// whatever its direction, a two-pixel line stays. `progress` gets the column reached, a few
// times in all. The picture holds 32 bits per pixel.
void CleanSpecks(QImage& picture, const InkLimits& ink,
                 const std::function<void(int column)>& progress = {});

} // namespace lineora
