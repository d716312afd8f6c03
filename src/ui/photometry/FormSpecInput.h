#pragma once

#include <QDialog>

namespace lineora {

// Asks the seconds and points per second of the special set points.
class TFormSpecInput : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpecInput(QWidget* parent = nullptr);
};

} // namespace lineora
