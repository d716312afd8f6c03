#include "tracing/FormAvtomat.h"

namespace lineora {

TFormAvtomat::TFormAvtomat(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAvtomat"));
    setWindowTitle(QStringLiteral("FormAvtomat"));
    resize(300, 160);
}

} // namespace lineora
