#include "core/picture/WheelZoom.h"

#include "core/common/Rounding.h"

#include <algorithm>

namespace lineora {

int WheelNotches::Add(int angleDelta) {
    if ((angleDelta > 0 && gathered_ < 0) || (angleDelta < 0 && gathered_ > 0)) {
        gathered_ = 0;
    }
    gathered_ += angleDelta;
    const int notches = gathered_ / kWheelNotch; // toward zero: the rest waits for more
    gathered_ -= notches * kWheelNotch;
    return notches;
}

QPointF PictureUnderMouse(QPoint scroll, QPoint mouse, Extended scale) {
    const QPoint onPicture = scroll + mouse;
    return {static_cast<qreal>(onPicture.x() / scale), static_cast<qreal>(onPicture.y() / scale)};
}

QSize ScrollLimits(QSize scaledPicture, QSize viewport) {
    return (scaledPicture - viewport).expandedTo(QSize(0, 0));
}

QPoint ScrollKeepingPoint(QPointF picturePoint, QPoint mouse, Extended newScale, QSize limits) {
    const auto along = [newScale](qreal point, int mouseAt, int limit) {
        const std::int32_t wanted = RoundHalfEven(point * newScale - mouseAt);
        return std::clamp(wanted, 0, std::max(limit, 0));
    };
    return {along(picturePoint.x(), mouse.x(), limits.width()),
            along(picturePoint.y(), mouse.y(), limits.height())};
}

int ScaleIndexAfterWheel(int scaleIndex, int notches) {
    return std::clamp(scaleIndex - notches, 1, 7);
}

} // namespace lineora
