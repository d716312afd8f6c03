#pragma once

#include <QDialog>

namespace lineora {

// Automatic digitizing of a plain black-on-white chart.
class TFormAvtomat : public QDialog {
    Q_OBJECT
public:
    explicit TFormAvtomat(QWidget* parent = nullptr);
};

} // namespace lineora
