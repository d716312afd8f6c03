#pragma once

#include "core/common/Types.h"
#include "core/picture/Overlay.h"

#include <QPainter>

#include <cstdint>

namespace lineora::overlay {

// The figures of the overlay on top of QPainter, with the conventions the overlay is defined
// in: a line leaves out its last pixel and a figure's box excludes its right and bottom bounds.
// Chained lines therefore never paint a shared pixel twice, which would undo an inverting pen.

// Pen mode, solid pen of the colour and width, antialiasing off, hollow brush.
void UsePen(QPainter& painter, PenMode mode, TColor color, std::int32_t width);

// Any int64 ends are safe: a line reaching far beyond the picture is clipped to it first.
void Line(QPainter& painter, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);

// Whether the box from (left, top) to (right, bottom) touches the painter's device.
bool TouchesDevice(const QPainter& painter, std::int64_t left, std::int64_t top, std::int64_t right,
                   std::int64_t bottom);

// The ellipse inscribed in the box from (left, top) to (right, bottom), both exclusive, drawn
// with the current pen and brush. An empty box, one that misses the picture and one reaching
// far beyond any picture draw nothing.
void EllipseInBox(QPainter& painter, std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom);

// A zone circle: radius 10, red, not-xor, in the box (x - 10, y - 10) .. (x + 10, y + 10).
void ZoneCircle(QPainter& painter, std::int32_t x, std::int32_t y);

} // namespace lineora::overlay
