#pragma once

#include "core/calibration/AxisTexts.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;

namespace lineora {

struct State;
class Host;
class Views;

// The axis value window: the chart values of the three reference points, typed into fields
// placed on a sketch of the axes where the values belong.
class TFormInput : public QDialog {
    Q_OBJECT
public:
    explicit TFormInput(QWidget* parent = nullptr);

    // The records the fields edit and the refresh Enter runs; until attached the fields only
    // filter keys.
    void Attach(State& state, Host& host, Views& views);
    // The fields show the axis texts again, those of the chart kind visible.
    void ShowState();

    QLineEdit* EditMaxY;
    QLineEdit* EditMinY;
    QLineEdit* EditMinX;
    QLineEdit* EditMaxX;
    QLineEdit* EditPolarMaxX;
    QFrame* Shape1;
    QFrame* Shape2;
    QFrame* Shape3;
    QFrame* ShapePolar;
    QLabel* LabelSelectInput;
    QLabel* Label3;
    QLabel* Label2;

protected:
    // Escape would hide the window behind its toolbar toggle's back.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* MakeField(const char* name, QRect place, QString AxisTexts::*text);
    // Enter in a cartesian field: every field applied (by `apply` when given), then the focus
    // moves on.
    void ApplyAndMoveTo(QLineEdit* next, const std::function<void()>& apply = {});
    void ApplyPolar();

    State* state_ = nullptr;
    Host* host_ = nullptr;
    Views* views_ = nullptr;
};

} // namespace lineora
