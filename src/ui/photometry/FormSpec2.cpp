#include "ui/photometry/FormSpec2.h"

namespace lineora {

TFormSpec2::TFormSpec2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpec2"));
    setWindowTitle(QStringLiteral("FormSpec2"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(300, 260);
}

} // namespace lineora
