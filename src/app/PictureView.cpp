#include "app/PictureView.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace lineora {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::SetImage(const QImage* image) {
    image_ = image;
    UpdateSize();
    update();
}

void PictureView::SetScale(qreal scale) {
    scale_ = scale;
    UpdateSize();
    update();
}

void PictureView::UpdateSize() {
    if (image_ == nullptr || image_->isNull()) {
        setFixedSize(0, 0);
        return;
    }
    setFixedSize(static_cast<int>(std::lround(image_->width() * scale_)),
                 static_cast<int>(std::lround(image_->height() * scale_)));
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    if (image_ == nullptr || image_->isNull()) {
        painter.fillRect(exposed, palette().window());
        return;
    }
    // The source rectangle of the picture that covers the exposed screen pixels.
    const QRect source = QRectF(exposed.x() / scale_, exposed.y() / scale_,
                                exposed.width() / scale_, exposed.height() / scale_)
                             .toAlignedRect()
                             .intersected(image_->rect());
    const QRectF target(source.x() * scale_, source.y() * scale_, source.width() * scale_,
                        source.height() * scale_);
    painter.drawImage(target, *image_, source);
}

} // namespace lineora
