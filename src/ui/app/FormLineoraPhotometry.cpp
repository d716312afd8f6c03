// The dialogs of the two photometric modes: their controls reach the mode commands, and the
// main window's curve buttons and axis-value toggle follow what a mode allows.

#include "ui/app/FormLineora.h"

#include "core/commands/PhotometryCommands.h"
#include "ui/app/Windows.h"

#include <QAction>
#include <QToolButton>

namespace lineora {

void TFormLineora::WirePolarDialog() {
    TFormSpec3* polar = windows_->FormSpec3.get();
    using D = TFormSpec3;
    connect(polar, &D::ChartTypeChosen, this, [this](int chartType) {
        Command([&] { SetPolarChartType(state_, *this, chartType); });
    });
    connect(polar, &D::AnglesChosen, this, [this](LightAngles angles) {
        Command([&] { SetPolarAngles(state_, *this, angles); });
    });
    connect(polar, &D::CrossClicked, this,
            [this](bool on) { Command([&] { SetPolarCross(state_, *this, on); }); });
    connect(polar, &D::LongClicked, this,
            [this](bool on) { Command([&] { SetPolarLong(state_, *this, on); }); });
    connect(polar, &D::PickToggled, this, [this](Tool pick, bool down) {
        Command([&] { ArmSpecialPick(state_, *this, pick, down); });
    });
    connect(polar, &D::FieldEdited, this, [this](PolarField field, const QString& text) {
        FieldText(state_.Photometry.Spec3, field) = text;
    });
    connect(polar, &D::FieldEntered, this, [this](PolarField field) {
        Command([&] { PolarFieldEntered(state_, *this, field); });
    });
    connect(polar, &D::SaveClicked, this,
            [this] { Command([&] { SavePolarTable(state_, host_); }); });
    connect(polar, &D::ResetClicked, this,
            [this] { Command([&] { ResetPolarPoints(state_, *this); }); });
    // On Yes the mode ends and ControlsChanged hides the dialog; on No it stays.
    connect(polar, &D::CloseAsked, this,
            [this] { Command([&] { ClosePolarMode(state_, host_, *this); }); });
}

void TFormLineora::WireCartesianDialog() {
    TFormDoubleAxisX* cartesian = windows_->FormDoubleAxisX.get();
    using D = TFormDoubleAxisX;
    connect(cartesian, &D::OneCurveChosen, this,
            [this] { Command([&] { ChooseCartesianOneCurve(state_, *this); }); });
    connect(cartesian, &D::TwoCurvesChosen, this, [this](bool shifted) {
        Command([&] { ChooseCartesianTwoCurves(state_, *this, shifted); });
    });
    connect(cartesian, &D::CrossClicked, this,
            [this](bool on) { Command([&] { SetCartesianCross(state_, *this, on); }); });
    connect(cartesian, &D::LongClicked, this,
            [this](bool on) { Command([&] { SetCartesianLong(state_, *this, on); }); });
    connect(cartesian, &D::PickToggled, this, [this](Tool pick, bool down) {
        Command([&] { ArmSpecialPick(state_, *this, pick, down); });
    });
    connect(cartesian, &D::FieldEdited, this, [this](CartesianField field, const QString& text) {
        FieldText(state_.Photometry.Spec4, field) = text;
    });
    connect(cartesian, &D::FieldEntered, this, [this](CartesianField field) {
        Command([&] { CartesianFieldEntered(state_, *this, field); });
    });
    connect(cartesian, &D::ResetClicked, this,
            [this] { Command([&] { ResetCartesianPoints(state_, *this); }); });
    connect(cartesian, &D::CloseAsked, this,
            [this] { Command([&] { CloseCartesianMode(state_, host_, *this); }); });
}

void TFormLineora::ShowPhotometryState() {
    const PhotometryState& modes = state_.Photometry;
    for (int line = 1; line <= kCurveCount; ++line) {
        lineButtons_[static_cast<std::size_t>(line)]->setEnabled(
            modes.LineEnabled[static_cast<std::size_t>(line)]);
    }
    // The menu item opens the same window as the button.
    SpeedButtonShowInput->setEnabled(modes.ShowInputEnabled);
    menuShowInput->setEnabled(modes.ShowInputEnabled);
    if (windows_ == nullptr) {
        return;
    }
    const Tool tool = state_.Main.ToolMode;
    windows_->FormSpec3->ShowState(modes, tool);
    windows_->FormDoubleAxisX->ShowState(modes, tool);
    windows_->FormSpec3->ShowActive(state_.Main.SpecialMode == 3, this);
    windows_->FormDoubleAxisX->ShowActive(state_.Main.SpecialMode == 4, this);
}

} // namespace lineora
