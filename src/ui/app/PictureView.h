#pragma once

#include "core/common/Types.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

class QMouseEvent;

namespace lineora {

// The shift-state set of a mouse event (Shift, Alt, Ctrl, Left, Right, Middle, Double as in
// commands/PictureMouse.h): the keys held and the buttons down at that moment.
std::uint32_t ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                           bool doubleClick);

// Shows the working picture at the view scale. It paints only the exposed rectangle, straight
// from the image, so a change of the picture never costs a conversion of the whole of it.
// Mouse events leave as signals with their shift-state set and the position in screen pixels
// relative to the view.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // The image is not copied; the caller keeps it alive and calls update() after drawing.
    void SetImage(const QImage* image);
    // Screen pixels per picture pixel, and the size the view takes on screen.
    void SetScale(Extended scale, QSize viewSize);
    Extended Scale() const { return scale_; }
    // Repaints the screen pixels that show this rectangle of picture pixels.
    void UpdatePictureArea(const QRect& pictureArea);

signals:
    void MouseDown(std::uint32_t shift, int x, int y);
    void MouseMove(std::uint32_t shift, int x, int y);
    void MouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Whether this press is the second click of a double click. The button-down of a double
    // click is one event carrying Double, so Qt's extra double-click event is then dropped.
    bool IsSecondClick(const QMouseEvent& event);

    const QImage* image_ = nullptr;
    Extended scale_ = 1;
    ulong lastPressTime_ = 0;
    Qt::MouseButton lastPressButton_ = Qt::NoButton;
    QPoint lastPressPos_;
    bool dropDoubleClick_ = false;
};

} // namespace lineora
