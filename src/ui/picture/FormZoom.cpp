#include "ui/picture/FormZoom.h"

#include "core/picture/Magnifier.h"

#include <QPainter>

namespace lineora {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageBox::SetImage(const QImage* image) {
    image_ = image;
    update();
}

void ImageBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (image_ != nullptr && !image_->isNull()) {
        const QSize shown = image_->size().scaled(size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), shown);
        target.moveCenter(rect().center());
        painter.drawImage(target, *image_);
    }
}

TFormZoom::TFormZoom(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormZoom"));
    setWindowTitle(QStringLiteral("Zoom"));
    // A tool window without system buttons: it comes and goes with its toolbar toggle.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(121, 120);
    move(518, 317);
    // It only follows the mouse; the keys stay with the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    ImageZoom = new ImageBox(this);
    ImageZoom->setObjectName(QStringLiteral("ImageZoom"));
    ImageZoom->setGeometry(0, 0, kMagnifierSize, kMagnifierSize);
    ImageZoom->SetImage(&buffer_);
}

void TFormZoom::ShowAround(const QImage& working, std::int32_t x, std::int32_t y) {
    DrawMagnifier(working, x, y, buffer_);
    ImageZoom->update();
}

} // namespace lineora
