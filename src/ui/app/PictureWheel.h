#pragma once

#include "core/picture/WheelZoom.h"

#include <QObject>

#include <functional>

class QScrollArea;
class QWheelEvent;

namespace lineora {

struct State;

// The mouse wheel over the picture box, watching its viewport: the wheel scrolls up and down,
// Shift+wheel sideways (a touchpad by the pixels it reports), and Ctrl+wheel steps through
// the view scales with the picture point under the mouse kept under the mouse.
class PictureWheel : public QObject {
    Q_OBJECT
public:
    // `setScaleIndex` runs the scale change as the window runs its commands.
    PictureWheel(QScrollArea* box, const State& state, std::function<void(int)> setScaleIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Scroll(const QWheelEvent& event, bool sideways);
    void Zoom(const QWheelEvent& event);

    QScrollArea* box_;
    const State& state_;
    std::function<void(int)> setScaleIndex_;
    WheelNotches notches_;
};

} // namespace lineora
