#include "ui/app/SvgPictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace lineora {

namespace {

// A picture drawn in pixel steps for 1x may come with a smooth twin for 2x screens.
QString ForRatio(const QString& resource, double devicePixelRatio) {
    QString twin = resource;
    twin.replace(QLatin1String(".svg"), QLatin1String("@2x.svg"));
    return devicePixelRatio >= 2 && QFile::exists(twin) ? twin : resource;
}

} // namespace

QPixmap RenderSvg(const QString& resource, QSize size, double devicePixelRatio) {
    QSvgRenderer renderer(ForRatio(resource, devicePixelRatio));
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
