// The strip-sampling mode in the main window: the toolbar button runs the input dialog and
// then shows the mode's window, whose controls reach the mode's commands.

#include "ui/app/FormLineora.h"

#include "core/commands/StripModeCommands.h"
#include "core/common/ErrorBoundary.h"
#include "ui/app/Windows.h"

#include <QToolButton>

namespace lineora {

void TFormLineora::WireStripWindows() {
    // Held down while the mode lasts.
    SpeedButton3Arc->setCheckable(true);

    TFormSpecInput* input = windows_->FormSpecInput.get();
    connect(input, &TFormSpecInput::OkClicked, this, [this, input](const StripInputTexts& texts) {
        // A refused input is reported and the dialog stays open with the texts as typed.
        if (Guarded(host_, [&] { AcceptStripInput(state_, texts); })) {
            input->accept();
        }
    });

    TFormSpecSetPoint* window = windows_->FormSpecSetPoint.get();
    using W = TFormSpecSetPoint;
    connect(window, &W::ColourToggled, this, [this](int trace, bool down) {
        Command([&] { ArmStripColour(state_, *this, trace, down); });
    });
    connect(window, &W::PickToggled, this, [this](int trace, bool down) {
        Command([&] { ArmStripSample(state_, *this, trace, down); });
    });
    connect(window, &W::DensityStepped, this,
            [this](int delta) { Command([&] { StepLineDensity(state_, delta); }); });
    connect(window, &W::ShowZoneToggled, this,
            [this](bool on) { Command([&] { SetShowStrips(state_, *this, on); }); });
    connect(window, &W::ShowFindLineToggled, this,
            [this](bool on) { Command([&] { SetShowSearchLines(state_, *this, on); }); });
    connect(window, &W::FindByColorClicked, this,
            [this] { Command([&] { FindStripsByColour(state_, host_, *this); }); });
    connect(window, &W::FindRedClicked, this,
            [this] { Command([&] { FindStripsRed(state_, host_, *this); }); });
    connect(window, &W::AprocClicked, this,
            [this] { Command([&] { ApproximateStrips(state_, *this); }); });
    connect(window, &W::ClearClicked, this,
            [this] { Command([&] { ClearStripGrid(state_, host_, *this); }); });
    connect(window, &W::CalcSaveClicked, this,
            [this] { Command([&] { SaveStripTable(state_, host_); }); });
    connect(window, &W::CloseAsked, this, [this, window] {
        Command([&] { CloseStripMode(state_, host_, *this); });
        window->CloseWindow();
    });
}

void TFormLineora::EnterStripMode() {
    TFormSpecSetPoint* window = windows_->FormSpecSetPoint.get();
    const bool wasOn = state_.StripSampling.ArcFlag && window->isVisible();
    BeginStripMode(state_, *this);
    ShowStripModeState();
    if (windows_->FormSpecInput->exec() != QDialog::Accepted) {
        // Closed without its OK: a mode under way goes on as it was, none starts.
        if (!wasOn) {
            CancelStripMode(state_, *this);
        }
        return;
    }
    if (!Guarded(host_, [&] { StartStripMode(state_, host_, *this); })) {
        if (!wasOn) {
            CancelStripMode(state_, *this);
        }
        return;
    }
    ControlsChanged();
    window->show();
    window->raise();
}

void TFormLineora::ShowStripModeState() {
    SpeedButton3Arc->setChecked(state_.StripSampling.ArcFlag);
    if (windows_ == nullptr) {
        return;
    }
    windows_->FormSpecSetPoint->ShowState(state_.StripSampling, state_.Main.ToolMode,
                                          state_.Store.CurrentLine);
    // The pick buttons correct samples with the point cursor, as point mode does.
    if (state_.Main.ToolMode == Tool::StripSample) {
        ButtonSetPoint->setChecked(true);
    }
}

void TFormLineora::StripColourHover(TColor colour) {
    if (windows_ != nullptr) {
        windows_->FormSpecSetPoint->ShowHoverColour(colour);
    }
}

} // namespace lineora
