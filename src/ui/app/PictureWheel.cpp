#include "ui/app/PictureWheel.h"

#include "core/commands/State.h"
#include "core/common/Rounding.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <utility>

namespace lineora {

PictureWheel::PictureWheel(QScrollArea* box, const State& state,
                           std::function<void(int)> setScaleIndex)
    : QObject(box), box_(box), state_(state), setScaleIndex_(std::move(setScaleIndex)) {}

bool PictureWheel::eventFilter(QObject* watched, QEvent* event) {
    // The type first: while the box is being destroyed its viewport still sends events here,
    // and the half-destroyed box must not be asked for anything.
    if (event->type() != QEvent::Wheel || watched != box_->viewport()) {
        return QObject::eventFilter(watched, event);
    }
    const auto& wheel = static_cast<const QWheelEvent&>(*event);
    const Qt::KeyboardModifiers modifiers = wheel.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier)) {
        Zoom(wheel);
    } else {
        Scroll(wheel, modifiers.testFlag(Qt::ShiftModifier));
    }
    return true;
}

void PictureWheel::Scroll(const QWheelEvent& event, bool sideways) {
    QScrollBar* horizontal = box_->horizontalScrollBar();
    QScrollBar* vertical = box_->verticalScrollBar();
    QPoint pixels = event.pixelDelta();
    if (pixels.isNull()) {
        // A notch moves as far as the system's wheel lines of the box's bar steps.
        const int perNotch = QApplication::wheelScrollLines() * vertical->singleStep();
        pixels = event.angleDelta() * perNotch / kWheelNotch;
    }
    if (sideways) {
        // Some systems turn a Shift+wheel into a sideways delta themselves.
        const int along = pixels.y() != 0 ? pixels.y() : pixels.x();
        horizontal->setValue(horizontal->value() - along);
        return;
    }
    horizontal->setValue(horizontal->value() - pixels.x());
    vertical->setValue(vertical->value() - pixels.y());
}

void PictureWheel::Zoom(const QWheelEvent& event) {
    const QPoint angle = event.angleDelta();
    const int notches = notches_.Add(angle.y() != 0 ? angle.y() : angle.x());
    const int index = ScaleIndexAfterWheel(state_.Main.ScaleIndex, notches);
    if (notches == 0 || index == state_.Main.ScaleIndex) {
        return;
    }
    QScrollBar* horizontal = box_->horizontalScrollBar();
    QScrollBar* vertical = box_->verticalScrollBar();
    const QPoint mouse(RoundHalfEven(event.position().x()), RoundHalfEven(event.position().y()));
    const QPointF point = PictureUnderMouse(QPoint(horizontal->value(), vertical->value()), mouse,
                                            state_.Main.ViewScale);
    setScaleIndex_(index);
    if (state_.Main.ScaleIndex != index) {
        return; // the change was refused
    }
    // The bars take their new ranges, with or without each other, before the point is placed.
    QCoreApplication::sendPostedEvents(box_, QEvent::LayoutRequest);
    const QPoint scroll = ScrollKeepingPoint(point, mouse, state_.Main.ViewScale,
                                             QSize(horizontal->maximum(), vertical->maximum()));
    horizontal->setValue(scroll.x());
    vertical->setValue(scroll.y());
}

} // namespace lineora
