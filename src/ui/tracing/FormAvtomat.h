#pragma once

#include "core/commands/TracingCommands.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lineora {

// Automatic digitizing of a plain black-on-white chart: holds the neighbour threshold, the
// axis ranges with the check that calibrates on the axis ends, and a button that runs the
// procedure; the main window runs it. The settings last for the run.
class TFormAvtomat : public QDialog {
    Q_OBJECT
public:
    explicit TFormAvtomat(QWidget* parent = nullptr);

    // The neighbour threshold, 0..8.
    int Threshold() const;
    // Every setting as the user left it, the range texts as typed.
    AutoFields Fields() const;

    QLabel* Label1;
    QPushButton* ButtonWorkAvtomat;
    QSpinBox* SpinEditSummaOkr;
    QLabel* Label2;
    QCheckBox* CheckBoxAxisEnds;
    QLabel* LabelRangeX;
    QLineEdit* EditRangeMinX;
    QLineEdit* EditRangeMaxX;
    QLabel* LabelRangeY;
    QLineEdit* EditRangeMinY;
    QLineEdit* EditRangeMaxY;

signals:
    void WorkClicked();
};

} // namespace lineora
