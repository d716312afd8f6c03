#pragma once

#include <QImage>

#include <cstdint>

namespace lineora {

// 31 x 31 picture pixels centred on (x, y), enlarged into a 120 x 120 image, with a blue
// crosshair through the centre. Pixels outside the picture show as white.
inline constexpr int kMagnifierSource = 31;
inline constexpr int kMagnifierSize = 120;

// Draws into `target`, which keeps its buffer between calls (allocated on first use).
void DrawMagnifier(const QImage& working, std::int32_t x, std::int32_t y, QImage& target,
                   int size = kMagnifierSize);

} // namespace lineora
