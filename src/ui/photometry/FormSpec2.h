#pragma once

#include <QDialog>

namespace lineora {

// The bright-line mode's tool window.
class TFormSpec2 : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpec2(QWidget* parent = nullptr);
};

} // namespace lineora
