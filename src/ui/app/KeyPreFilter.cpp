#include "ui/app/KeyPreFilter.h"

#include <QApplication>
#include <QKeyEvent>

namespace lineora {

Key KeyOfQtKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Q:
        return Key::Q;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Escape:
        return Key::Escape;
    default:
        return Key::Other;
    }
}

Key KeyOfEvent(const QKeyEvent& event) {
    if (event.modifiers().testFlag(Qt::ControlModifier)) {
        if (event.key() == Qt::Key_Z) {
            return event.modifiers().testFlag(Qt::ShiftModifier) ? Key::Redo : Key::Undo;
        }
        if (event.key() == Qt::Key_Y) {
            return Key::Redo;
        }
    }
    return KeyOfQtKey(event.key());
}

bool IsPreFilteredKey(const QKeyEvent& event) {
    if (event.modifiers().testFlag(Qt::AltModifier)) {
        return false;
    }
    return event.key() != Qt::Key_Alt && event.key() != Qt::Key_AltGr &&
           event.key() != Qt::Key_F10 && event.key() != Qt::Key_Meta;
}

KeyPreFilter::KeyPreFilter(std::function<bool()> isActive, std::function<void(Key)> onKey,
                           QObject* parent)
    : QObject(parent), isActive_(std::move(isActive)), onKey_(std::move(onKey)) {}

bool KeyPreFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || QApplication::activePopupWidget() != nullptr ||
        !isActive_()) {
        return QObject::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!IsPreFilteredKey(key)) {
        return QObject::eventFilter(watched, event);
    }
    onKey_(KeyOfEvent(key));
    return true;
}

} // namespace lineora
