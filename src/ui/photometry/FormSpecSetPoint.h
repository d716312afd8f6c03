#pragma once

#include "core/commands/ToolModes.h"
#include "core/common/Types.h"
#include "core/photometry/StripSampling.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace lineora {

class TSpinButton;

// The strip-sampling window: per trace a colour button with its three shades and a button
// that corrects its samples by clicks, the density of the colour search, the two overlays and
// the operations. It only shows the mode's state and reports what the user does.
class TFormSpecSetPoint : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpecSetPoint(QWidget* parent = nullptr);

    // Shades, density, switches, and which of the six trace buttons is down.
    void ShowState(const StripSamplingState& mode, Tool tool, int currentLine);
    // The colour under the mouse while a trace's colour is picked.
    void ShowHoverColour(TColor colour);
    // Closes for good (the close box only asks, see CloseAsked).
    void CloseWindow();

    std::array<QLabel*, 4> LineLabels{};            // Label1..Label3 ("Линия L")
    std::array<QToolButton*, 4> ColourButtons{};    // SpeedButtonLine1..3
    std::array<std::array<QFrame*, 4>, 4> Shapes{}; // Shapes[L][1..3] = ShapeL1..ShapeL3
    std::array<QToolButton*, 4> PickButtons{};      // SpeedButtonISetPointLine1 ...
    QFrame* ShapeSelectColor;
    QLabel* LabelPlotnost;
    QLabel* LabelKolvo;
    TSpinButton* SpinButton1;
    QToolButton* SpeedButtonShowZone;
    QToolButton* SpeedButtonShowFindLine;
    QPushButton* ButtonFindByColor;
    QPushButton* ButtonFindRed;
    QPushButton* ButtonAprocPoint;
    QPushButton* ButtonClear;
    QPushButton* ButtonCalcSave;
    QPushButton* ButtonClose;

signals:
    void ColourToggled(int trace, bool down);
    void PickToggled(int trace, bool down);
    void DensityStepped(int delta);
    void ShowZoneToggled(bool on);
    void ShowFindLineToggled(bool on);
    void FindByColorClicked();
    void FindRedClicked();
    void AprocClicked();
    void ClearClicked();
    void CalcSaveClicked();
    // The close button, the close box or Escape: the main window ends the mode.
    void CloseAsked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildTraceRow(int trace);
    bool closing_ = false;
};

} // namespace lineora
