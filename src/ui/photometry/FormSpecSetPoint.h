#pragma once

#include <QDialog>

namespace lineora {

// Special set points on three traced lines.
class TFormSpecSetPoint : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpecSetPoint(QWidget* parent = nullptr);
};

} // namespace lineora
