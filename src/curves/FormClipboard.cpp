#include "curves/FormClipboard.h"

namespace lineora {

TformClipboard::TformClipboard(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formClipboard"));
    setWindowTitle(QStringLiteral("formClipboard"));
    resize(400, 320);
}

} // namespace lineora
