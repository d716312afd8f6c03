#include "ui/photometry/FormSpecSetPoint.h"

namespace lineora {

TFormSpecSetPoint::TFormSpecSetPoint(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpecSetPoint"));
    setWindowTitle(QStringLiteral("Специальный 2"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(320, 240);
}

} // namespace lineora
