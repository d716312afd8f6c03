#include "calibration/FormInput.h"

namespace lineora {

TFormInput::TFormInput(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInput"));
    setWindowTitle(QStringLiteral("Input Date"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(172, 115);
}

} // namespace lineora
