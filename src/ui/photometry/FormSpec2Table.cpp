#include "ui/photometry/FormSpec2Table.h"

namespace lineora {

TFormSpec2Table::TFormSpec2Table(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpec2Table"));
    setWindowTitle(QStringLiteral("Таблица данных "));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(400, 300);
}

} // namespace lineora
