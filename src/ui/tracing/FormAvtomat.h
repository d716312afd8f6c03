#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

namespace lineora {

// Automatic digitizing of a plain black-on-white chart: holds the neighbour threshold and a
// button that runs the procedure; the main window runs it.
class TFormAvtomat : public QDialog {
    Q_OBJECT
public:
    explicit TFormAvtomat(QWidget* parent = nullptr);

    // The neighbour threshold, 0..8.
    int Threshold() const;

    QLabel* Label1;
    QPushButton* ButtonWorkAvtomat;
    QSpinBox* SpinEditSummaOkr;
    QLabel* Label2;

signals:
    void WorkClicked();
};

} // namespace lineora
