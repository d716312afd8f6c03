#include "picture/FormVygibatel.h"

namespace lineora {

TFormVygibatel::TFormVygibatel(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormVygibatel"));
    setWindowTitle(QStringLiteral("Настройка и выпрямление графика"));
    resize(360, 300);
}

} // namespace lineora
