#pragma once

#include <QImage>
#include <QWidget>

namespace lineora {

// Shows the working picture at the view scale. It paints only the exposed rectangle, straight
// from the image, so a change of the picture never costs a conversion of the whole of it.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // The image is not copied; the caller keeps it alive and calls update() after drawing.
    void SetImage(const QImage* image);
    void SetScale(qreal scale);
    qreal Scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateSize();

    const QImage* image_ = nullptr;
    qreal scale_ = 1.0;
};

} // namespace lineora
