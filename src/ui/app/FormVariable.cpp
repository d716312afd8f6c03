#include "ui/app/FormVariable.h"

namespace lineora {

TFormVariable::TFormVariable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormVariable"));
    setWindowTitle(QStringLiteral("FormVariable"));
}

} // namespace lineora
