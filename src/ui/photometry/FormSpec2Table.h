#pragma once

#include <QDialog>

namespace lineora {

// The bright-line mode's table.
class TFormSpec2Table : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpec2Table(QWidget* parent = nullptr);
};

} // namespace lineora
