#include "tracing/FormAvtomatColor.h"

namespace lineora {

TFormAvtomatColor::TFormAvtomatColor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAvtomatColor"));
    setWindowTitle(QStringLiteral("FormAvtomatColor"));
    resize(360, 300);
}

} // namespace lineora
