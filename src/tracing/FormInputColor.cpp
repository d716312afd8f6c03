#include "tracing/FormInputColor.h"

namespace lineora {

TFormInputColor::TFormInputColor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInputColor"));
    setWindowTitle(QStringLiteral("FormInputColor"));
    resize(320, 240);
}

} // namespace lineora
