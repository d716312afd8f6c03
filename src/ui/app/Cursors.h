#pragma once

#include "core/commands/ToolModes.h"

#include <QCursor>
#include <QPixmap>

namespace lineora {

// The picture cursors by number: 0 the system arrow, 1..5 the crosshair kinds (diagonal cross,
// upright cross, pointing hand, circle sight, arrow), 6 the pan hand, 7 the eraser, 8 the
// pipette, 9 the system default, 10 the zoom glass, 11..13 the reference-point crosshairs
// labelled 0, X and Y, 14 the zone brush, 15 the test sight, 16 the move-point arrows.
// Unknown numbers give the system arrow.
inline constexpr int kCursorCount = 17;

QCursor PictureCursor(CursorId which);

// The drawn image of a cursor, 32 x 32 device-independent pixels at the given ratio (null for
// the system ones), and its hotspot in device-independent pixels.
QPixmap CursorImage(int id, double devicePixelRatio = 1.0);
QPoint CursorHotSpot(int id);

} // namespace lineora
