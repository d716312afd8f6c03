#include "ui/app/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

#include <utility>

namespace lineora {

FileDrop::FileDrop(std::function<void(const QList<QUrl>&)> dropped, QObject* parent)
    : QObject(parent), dropped_(std::move(dropped)) {}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = static_cast<QDropEvent&>(*event);
        if (!drag.mimeData()->hasUrls()) {
            return false;
        }
        drag.acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(*event);
        if (!drop.mimeData()->hasUrls()) {
            return false;
        }
        drop.acceptProposedAction();
        QTimer::singleShot(0, this, [this, urls = drop.mimeData()->urls()] { dropped_(urls); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace lineora
