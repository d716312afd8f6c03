#include "ui/app/SvgPictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace lineora {

QPixmap RenderSvg(const QString& resource, QSize size, double devicePixelRatio) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || size.isEmpty() || devicePixelRatio <= 0) {
        return {};
    }
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace lineora
