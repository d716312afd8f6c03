#pragma once

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <cstdint>

namespace lineora {

// Shows an image stretched over the widget and centred in it, straight from the QImage.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);
    // Not copied: the owner keeps the image and calls update() after drawing into it.
    void SetImage(const QImage* image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_ = nullptr;
};

// The magnifier: the neighbourhood of the mouse on the working picture, enlarged, with a
// crosshair through the centre.
class TFormZoom : public QDialog {
    Q_OBJECT
public:
    explicit TFormZoom(QWidget* parent = nullptr);

    // Draws the magnified neighbourhood of picture position (x, y) into the one buffer.
    void ShowAround(const QImage& working, std::int32_t x, std::int32_t y);
    const QImage& Magnified() const { return buffer_; }

    ImageBox* ImageZoom;

private:
    QImage buffer_;
};

} // namespace lineora
