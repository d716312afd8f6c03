#include "ui/photometry/FormDoubleAxisX.h"

namespace lineora {

TFormDoubleAxisX::TFormDoubleAxisX(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormDoubleAxisX"));
    setWindowTitle(QStringLiteral("КСС в прямоуг. системе"));
    resize(360, 420);
}

} // namespace lineora
