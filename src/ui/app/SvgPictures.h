#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace lineora {

// Renders the SVG picture at `resource` (a ":/..." path) into a transparent pixmap of `size`
// device-independent pixels at `devicePixelRatio`, so that it stays sharp on a 2x screen. A
// missing or damaged picture gives a null pixmap. At 2x and above, a twin named "...@2x.svg"
// is drawn instead when there is one.
QPixmap RenderSvg(const QString& resource, QSize size, double devicePixelRatio = 1.0);

} // namespace lineora
