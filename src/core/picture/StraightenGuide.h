#pragma once

#include "core/picture/Straightening.h"

#include <QImage>

namespace lineora {

// The guide arcs of the three strips (bottom, middle, top) in pure blue, not-xor, width 1:
// each the arc of its circle taken counterclockwise on screen from the strip's top end to its
// bottom end, so with a level X axis it bulges to the left of the Y axis. Drawing the same
// geometry a second time restores every pixel.
void DrawStraightenGuide(QImage& working, const StripGeometry& strips);

} // namespace lineora
