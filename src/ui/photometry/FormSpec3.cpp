#include "ui/photometry/FormSpec3.h"

namespace lineora {

TFormSpec3::TFormSpec3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpec3"));
    setWindowTitle(QStringLiteral("KCC в полярных координатах"));
    resize(360, 420);
}

} // namespace lineora
