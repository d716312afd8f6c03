#pragma once

#include <QDialog>

namespace lineora {

// The light-distribution table of a polar chart.
class TFormSpec3 : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpec3(QWidget* parent = nullptr);
};

} // namespace lineora
