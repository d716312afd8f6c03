#pragma once

#include "core/commands/ToolModes.h"
#include "core/photometry/PhotometryState.h"
#include "ui/photometry/ModeDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace lineora {

// The double X axis mode: light-distribution tables from a cartesian chart, the angle on X. It
// shows the mode's record and reports what the user does; the main window runs the commands.
class TFormDoubleAxisX : public TModeDialog {
    Q_OBJECT
public:
    explicit TFormDoubleAxisX(QWidget* parent = nullptr);

    // The controls show the record; a pick button is down while its pick is armed.
    void ShowState(const PhotometryState& modes, Tool toolMode);

    QGroupBox* GroupBoxTipMastabUgol;
    QLabel* LabelMinX1;
    QLineEdit* EditMinX1;
    QLabel* LabelMaxX1;
    QLineEdit* EditMaxX1;
    QGroupBox* GroupBoxMastabInt;
    QLabel* LabelMinY;
    QLineEdit* EditMinY;
    QLabel* LabelMaxY;
    QLineEdit* EditMaxY;
    QGroupBox* GroupBoxTipGrafika;
    QRadioButton* RadioButtonTip1;
    QRadioButton* RadioButtonTip2;
    QCheckBox* CheckBoxTip3;
    QGroupBox* GroupBoxSimmetria;
    QCheckBox* CheckBoxCross;
    QCheckBox* CheckBoxLong;
    QGroupBox* GroupBoxSpecPoint;
    QToolButton* SpeedButtonAxis1Int0;
    QToolButton* SpeedButtonSetPointY1;
    QToolButton* SpeedButtonSetPointY2;
    QLabel* LabelSpec4Koef;
    QPushButton* ButtonSaveToTXT;
    QPushButton* ButtonReset;
    QPushButton* ButtonClose;

signals:
    void OneCurveChosen();
    // RadioButtonTip2 or CheckBoxTip3; `shifted` is CheckBoxTip3 checked.
    void TwoCurvesChosen(bool shifted);
    void FieldEdited(CartesianField field, const QString& text);
    void FieldEntered(CartesianField field);

private:
    void BuildRanges();
    void BuildChartType();
    void BuildPicks();
    // A range group: "Мин " and "Макс" with their fields.
    QGroupBox* BuildRange(const char* groupName, const QString& title, int top,
                          std::array<const char*, 4> names, std::array<CartesianField, 2> fields,
                          QLabel*& minLabel, QLineEdit*& minField, QLabel*& maxLabel,
                          QLineEdit*& maxField);
    QToolButton* MakeCartesianPick(const char* name, const QString& caption, QRect place,
                                   const QString& hint, Tool pick);
};

} // namespace lineora
