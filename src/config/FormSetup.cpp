#include "config/FormSetup.h"

namespace lineora {

TFormSetup::TFormSetup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSetup"));
    setWindowTitle(QStringLiteral("FormSetup"));
    resize(460, 420);
}

} // namespace lineora
