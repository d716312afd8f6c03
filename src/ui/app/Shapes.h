#pragma once

#include <QPainterPath>
#include <QPointF>

namespace lineora {

// Outlines shared by the toolbar glyphs and the picture cursors, so that the eraser button and
// the eraser cursor look like the same tool. All are laid out in a 32 x 32 box.

// Mouse pointer with its tip at `tip`, about 20 pixels tall.
QPainterPath ArrowOutline(QPointF tip, double size = 20);

// Hand with the index finger up; its tip is at (12, 1).
QPainterPath PointingHandOutline();

// Open hand with spread fingers, centred on (16, 16).
QPainterPath OpenHandOutline();

// The eraser block lying diagonally, its rubbing face toward the lower left around (8, 24).
QPainterPath EraserBody();
QPainterPath EraserFace();

// The pipette from its tip at (2, 29) up to the bulb at the upper right.
QPainterPath PipetteTube();
QPainterPath PipetteBulb();

// A four-way arrow around `centre` with arms of `arm` pixels.
QPainterPath FourWayArrow(QPointF centre, double arm);

} // namespace lineora
