#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace lineora {

struct State;
class Host;
class Views;

// The setup dialog: colours, marks, axes, number formats, scales and flags. Its controls show
// the settings and every change writes them back at once.
class TFormSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFormSetup(QWidget* parent = nullptr);

    // The records the controls edit. `applyLanguage` translates every window after a language
    // button; the main window provides it, as only it knows the windows. Until attached the
    // controls show their design states and change nothing.
    void Attach(State& state, Host& host, Views& views, std::function<void()> applyLanguage);
    // The controls show the settings again.
    void ShowSettings();

    QGroupBox* GroupBoxColor;
    std::array<QPushButton*, 6> ButtonSetColor{}; // ButtonSetColor1..5 and ButtonSetColorAxes
    std::array<QFrame*, 6> MetkaShape{};          // Metka1Shape..Metka6Shape

    QGroupBox* GroupBoxMetka;
    QLabel* LabelDiametr;
    QSpinBox* SpinEditDiametr;
    QCheckBox* CheckBoxFillMetka;

    QGroupBox* GroupBoxKoord;
    QRadioButton* RadioButtonDrawKoord1;
    QRadioButton* RadioButtonDrawKoord2;
    QLabel* LabelLineKoordWidth;
    QSpinBox* SpinEditLineKoordWidth;
    QCheckBox* CheckBoxLineKoordInvert;
    QCheckBox* CheckBoxMetkaX;

    QGroupBox* GroupBoxTable;
    QRadioButton* RadioButtonStandart;
    QRadioButton* RadioButtonScientific;
    QCheckBox* CheckBoxData_Point;

    QGroupBox* GroupBoxPointer;
    std::array<QRadioButton*, 3> RadioButtonSetPointer{}; // 1 "0,0", 2 "0.0", 3 by the system

    QGroupBox* GroupBoxLanguage;
    QRadioButton* RadioButtonSetEnglish;
    QRadioButton* RadioButtonSetRussian;

    QGroupBox* GroupBoxSort;
    QRadioButton* RadioButtonMakeSort;
    QRadioButton* RadioButtonNoSort;

    QGroupBox* GroupBoxScalaX;
    std::array<QRadioButton*, 3> RadioButtonScalaX{}; // Normal, Logarifm10, LogarifmNat
    QGroupBox* GroupBoxScalaY;
    std::array<QRadioButton*, 3> RadioButtonScalaY{};

    QGroupBox* GroupBoxStepX;
    QLabel* LabelFromX;
    QLineEdit* EditFromX;
    QLabel* LabelStepX;
    QLineEdit* EditStepX;

    QGroupBox* GroupBoxCurve;
    QRadioButton* RadioButtonNormalCurve;
    QRadioButton* RadioButtonCircleCurve;

    QGroupBox* GroupBoxXDirection;
    QRadioButton* RadioButtonXtoLeft;
    QRadioButton* RadioButtonXtoRight;

    QGroupBox* GroupBox2;
    QWidget* RxSpinButton1;
    QLabel* LabelKolvookr;

    QGroupBox* GroupBoxConfig;
    QCheckBox* CheckBoxSaveScalaKoord;
    QCheckBox* CheckBoxLoadScalaKoord;
    QCheckBox* CheckBoxAutoSave;
    QPushButton* ButtonConfigSave;

    QPushButton* ButtonGoToMain;

    QGroupBox* GroupBoxInputColor;
    QFrame* ShapeLineGrafik;
    QFrame* ShapeBackground;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The dialog is left through ButtonGoToMain only.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildColors();
    void BuildMarksAndAxes();
    void BuildTableAndExport();
    void BuildScalesAndStep();
    void BuildChartKind();
    void BuildConfiguration();
    void WireColors();
    void WireMarksAndAxes();
    void WireTableAndExport();
    void WireScalesAndStep();
    void WireChartKind();
    void WireConfiguration();

    // Runs a handler behind the error boundary; the controls then show the settings again, so
    // a refused change does not stay on screen.
    bool Run(const std::function<void()>& action);
    void OnClick(QAbstractButton* button, const std::function<void()>& action);
    void GoToMain();
    void ShowColours();

    State* state_ = nullptr;
    Host* host_ = nullptr;
    Views* views_ = nullptr;
    std::function<void()> applyLanguage_;
    bool showing_ = false;
};

} // namespace lineora
