#include "ui/picture/FormBigZoom.h"

namespace lineora {

TFormBigZoom::TFormBigZoom(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormBigZoom"));
    setWindowTitle(QStringLiteral("FormBigZoom"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(224, 240);
    ImageZoom = new ImageBox(this);
    ImageZoom->setObjectName(QStringLiteral("ImageZoom"));
    ImageZoom->setGeometry(12, 20, 200, 200);
    ImageZoom->SetImage(&buffer_);
}

} // namespace lineora
