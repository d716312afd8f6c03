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

// The light-distribution table of a polar chart: the chart type, the planes' symmetry, the
// axial intensity and the limiting angles. It shows the mode's record and reports what the
// user does; the main window runs the commands.
class TFormSpec3 : public TModeDialog {
    Q_OBJECT
public:
    explicit TFormSpec3(QWidget* parent = nullptr);

    // The controls show the record; a pick button is down while its pick is armed.
    void ShowState(const PhotometryState& modes, Tool toolMode);

    QRadioButton* RadioButtonTip1;
    QRadioButton* RadioButtonTip2;
    QLabel* LabelSimmetria;
    QCheckBox* CheckBoxCross;
    QCheckBox* CheckBoxLong;
    QGroupBox* GroupBoxMastab;
    QLineEdit* EditIntenMax;
    QGroupBox* GroupBoxI0;
    QToolButton* SpeedButtonInt0;
    QLineEdit* EditInt0;
    QGroupBox* GroupBoxImax;
    QToolButton* SpeedButtonInt180;
    QLineEdit* EditAlfa180;
    QGroupBox* GroupBoxUgl;
    QRadioButton* RadioButtonUgol90;
    QRadioButton* RadioButtonUgol180;
    QRadioButton* RadioButtonUgolRazn;
    QToolButton* SpeedButtonUpper;
    QToolButton* SpeedButtonLower;
    QToolButton* SpeedButtonRight;
    QToolButton* SpeedButtonLeft;
    QLineEdit* EditUpper;
    QLineEdit* EditLower;
    QLineEdit* EditRight;
    QLineEdit* EditLeft;
    QPushButton* ButtonSaveToTXT;
    QPushButton* ButtonReset;
    QPushButton* ButtonClose;

signals:
    void ChartTypeChosen(int chartType);
    void AnglesChosen(LightAngles angles);
    void FieldEdited(PolarField field, const QString& text);
    void FieldEntered(PolarField field);
    void SaveClicked();

private:
    void BuildChartType();
    void BuildIntensities();
    void BuildAngles();
    QLineEdit* MakePolarField(QWidget* parent, const char* name, QRect place, PolarField field);
    QToolButton* MakePolarPick(QWidget* parent, const char* name, const QString& caption,
                               QRect place, const QString& hint, Tool pick);
};

} // namespace lineora
