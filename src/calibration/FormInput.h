#pragma once

#include <QDialog>

namespace lineora {

// The axis value window: the chart values of the three reference points.
class TFormInput : public QDialog {
    Q_OBJECT
public:
    explicit TFormInput(QWidget* parent = nullptr);
};

} // namespace lineora
