#include "ui/app/PictureView.h"

#include "core/commands/PictureMouse.h"
#include "core/common/Rounding.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QStyleHints>

namespace lineora {

namespace {

QPoint ScreenPosition(const QMouseEvent& event) {
    return {RoundHalfEven(event.position().x()), RoundHalfEven(event.position().y())};
}

} // namespace

std::uint32_t ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                           bool doubleClick) {
    std::uint32_t shift = 0;
    const auto add = [&shift](bool held, std::uint32_t flag) {
        if (held) {
            shift |= flag;
        }
    };
    add(modifiers.testFlag(Qt::ShiftModifier), Shift::Shift);
    add(modifiers.testFlag(Qt::AltModifier), Shift::Alt);
    add(modifiers.testFlag(Qt::ControlModifier), Shift::Ctrl);
    add(buttons.testFlag(Qt::LeftButton), Shift::Left);
    add(buttons.testFlag(Qt::RightButton), Shift::Right);
    add(buttons.testFlag(Qt::MiddleButton), Shift::Middle);
    add(doubleClick, Shift::Double);
    return shift;
}

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureView::SetImage(const QImage* image) {
    image_ = image;
    update();
}

void PictureView::SetScale(Extended scale, QSize viewSize) {
    scale_ = scale;
    setFixedSize(viewSize);
    update();
}

void PictureView::UpdatePictureArea(const QRect& pictureArea) {
    const auto scale = static_cast<qreal>(scale_);
    // One pixel more on each side covers the partly shown pixels of a fractional scale.
    update(QRectF(pictureArea.x() * scale, pictureArea.y() * scale, pictureArea.width() * scale,
                  pictureArea.height() * scale)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    QRegion uncovered(exposed);
    if (image_ != nullptr && !image_->isNull() && scale_ > 0) {
        const auto scale = static_cast<qreal>(scale_);
        // The source rectangle of the picture that covers the exposed screen pixels.
        const QRect source = QRectF(exposed.x() / scale, exposed.y() / scale,
                                    exposed.width() / scale, exposed.height() / scale)
                                 .toAlignedRect()
                                 .intersected(image_->rect());
        if (!source.isEmpty()) {
            const QRectF target(source.x() * scale, source.y() * scale, source.width() * scale,
                                source.height() * scale);
            painter.drawImage(target, *image_, source);
            uncovered -= target.toAlignedRect();
        }
    }
    for (const QRect& rest : uncovered) {
        painter.fillRect(rest, palette().window());
    }
}

bool PictureView::IsSecondClick(const QMouseEvent& event) {
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const int distance = QGuiApplication::styleHints()->mouseDoubleClickDistance();
    const QPoint position = ScreenPosition(event);
    const bool second = event.button() == lastPressButton_ &&
                        event.timestamp() - lastPressTime_ < static_cast<ulong>(interval) &&
                        (position - lastPressPos_).manhattanLength() <= distance;
    // After a double click the next press starts a new pair.
    lastPressButton_ = second ? Qt::NoButton : event.button();
    lastPressTime_ = event.timestamp();
    lastPressPos_ = position;
    return second;
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    const bool second = IsSecondClick(*event);
    dropDoubleClick_ = second;
    const QPoint position = ScreenPosition(*event);
    emit MouseDown(ShiftStateOf(event->modifiers(), event->buttons(), second), position.x(),
                   position.y());
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (dropDoubleClick_) {
        dropDoubleClick_ = false;
        return;
    }
    const QPoint position = ScreenPosition(*event);
    emit MouseDown(ShiftStateOf(event->modifiers(), event->buttons(), true), position.x(),
                   position.y());
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = ScreenPosition(*event);
    emit MouseMove(ShiftStateOf(event->modifiers(), event->buttons(), false), position.x(),
                   position.y());
}

void PictureView::mouseReleaseEvent(QMouseEvent* /*event*/) {
    dropDoubleClick_ = false;
    emit MouseUp();
}

} // namespace lineora
