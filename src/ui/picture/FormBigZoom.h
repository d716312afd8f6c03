#pragma once

#include "ui/picture/FormZoom.h"

#include <QDialog>
#include <QImage>

namespace lineora {

// The larger magnifier; it exists with its layout and is translated, but nothing shows it.
class TFormBigZoom : public QDialog {
    Q_OBJECT
public:
    explicit TFormBigZoom(QWidget* parent = nullptr);

    ImageBox* ImageZoom;

private:
    QImage buffer_;
};

} // namespace lineora
