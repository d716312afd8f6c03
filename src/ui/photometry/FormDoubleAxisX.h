#pragma once

#include <QDialog>

namespace lineora {

// The double X axis mode: light-distribution tables from a cartesian chart.
class TFormDoubleAxisX : public QDialog {
    Q_OBJECT
public:
    explicit TFormDoubleAxisX(QWidget* parent = nullptr);
};

} // namespace lineora
