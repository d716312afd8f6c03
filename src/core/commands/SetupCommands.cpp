#include "core/commands/SetupCommands.h"

#include "core/calibration/AxisTexts.h"
#include "core/commands/Commands.h"
#include "core/common/NumberText.h"
#include "core/picture/Overlay.h"

#include <algorithm>
#include <optional>

namespace lineora {

bool ChooseSetupColor(Settings& settings, Host& host, int button) {
    if (button < 1 || button > kAxesColorButton) {
        return false;
    }
    TColor& colour = button == kAxesColorButton
                         ? settings.AxesColor
                         : settings.LineColors[static_cast<std::size_t>(button)];
    const std::optional<TColor> chosen = host.ChooseColor(colour);
    if (!chosen) {
        return false;
    }
    colour = *chosen;
    return true;
}

void SetStepXText(Settings& settings, const QString& text) {
    settings.StepXText = text;
    if (!text.isEmpty()) {
        settings.StepX = ParseNumber(text);
    }
}

void SetChartKind(State& state, Views& views, std::int32_t typeOfCurve) {
    state.Setup.TypeOfCurve = typeOfCurve;
    views.ControlsChanged();
}

void SetAxesLook(State& state, Views& views, bool newLook) {
    state.Setup.NewAxesLook = newLook;
    if (state.Setup.TypeOfCurve == 1) {
        SetChartKind(state, views, 1);
    }
}

void ChooseLanguage(Settings& settings, bool english) {
    settings.LanguageEnglish = english;
    settings.LanguageRussian = !english;
}

void StepPolarCircles(State& state, Views& views, int delta) {
    state.Setup.PolarCircleCount = std::max(1, state.Setup.PolarCircleCount + delta);
    RedrawPicture(state, views);
}

void ReleaseStepX(State& state, Views& views) {
    HideStepCrosshair(state, views);
    state.Main.StepXOn = false;
    views.ControlsChanged();
}

void LeaveSetup(State& state, Views& views) {
    ReadAxisValues(state.Texts, state.Cal);
    RedrawPicture(state, views);
    views.ControlsChanged();
}

} // namespace lineora
