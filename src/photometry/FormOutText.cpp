#include "photometry/FormOutText.h"

namespace lineora {

TFormOutText::TFormOutText(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormOutText"));
    setWindowTitle(QStringLiteral("FormOutText"));
    resize(560, 400);
}

} // namespace lineora
