#include "ui/photometry/FormSpecInput.h"

namespace lineora {

TFormSpecInput::TFormSpecInput(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpecInput"));
    setWindowTitle(QStringLiteral("Ввод кол-ва точек/секунд"));
    resize(300, 180);
}

} // namespace lineora
