#include "ui/photometry/FormTestout.h"

namespace lineora {

TFormTestout::TFormTestout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormTestout"));
    setWindowTitle(QStringLiteral("FormTestout"));
    resize(360, 260);
}

} // namespace lineora
