#include "curves/FormTable.h"

namespace lineora {

TFormTable::TFormTable(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormTable"));
    setWindowTitle(QStringLiteral("Table of Data"));
    resize(600, 400);
}

} // namespace lineora
