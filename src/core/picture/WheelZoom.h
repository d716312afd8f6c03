#pragma once

#include "core/common/Types.h"

#include <QPoint>
#include <QPointF>
#include <QSize>

namespace lineora {

// One notch of a common mouse wheel; high-resolution wheels and touchpads send parts of it.
inline constexpr int kWheelNotch = 120;

// Adds up the angle deltas of wheel events into whole notches, so a touchpad or a fine wheel
// steps as often as a notched wheel turned as far. Turning back drops what was gathered the
// other way, so a reversal answers at once.
class WheelNotches {
public:
    // The notches completed by this delta: positive away from the user, negative toward.
    int Add(int angleDelta);

private:
    int gathered_ = 0;
};

// The picture position (picture pixels, not rounded) under the mouse, which stands at `mouse`
// in the viewport while the picture box is scrolled to `scroll` at `scale`.
QPointF PictureUnderMouse(QPoint scroll, QPoint mouse, Extended scale);

// How far the picture box scrolls at most: the scaled picture beyond the viewport, or 0.
QSize ScrollLimits(QSize scaledPicture, QSize viewport);

// The scroll positions that put `picturePoint` back under `mouse` at `newScale`, each held to
// 0 .. its limit (near an edge the picture cannot move as far as the point would need).
QPoint ScrollKeepingPoint(QPointF picturePoint, QPoint mouse, Extended newScale, QSize limits);

// The view scale item (1 = "5:1" .. 7 = "1:3") after `notches` of Ctrl+wheel: away from the
// user enlarges, toward the user reduces, and the ends stay where they are.
int ScaleIndexAfterWheel(int scaleIndex, int notches);

} // namespace lineora
