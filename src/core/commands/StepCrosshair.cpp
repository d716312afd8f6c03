#include "core/commands/Commands.h"

#include "core/picture/Overlay.h"

namespace lineora {

namespace {

// The picture pixels the crosshair at (x, y) may touch.
QRect CrosshairArea(PicturePoint at) {
    return {at.X - 5, at.Y - 5, 11, 11};
}

} // namespace

bool StepCrosshairLive(const State& state) {
    return state.Main.StepXOn &&
           (state.Main.ToolMode == Tool::SetPoint || state.Main.ToolMode == Tool::StripSample);
}

void ShowStepCrosshair(State& state, Views& views) {
    if (state.Pics.CrosshairOnWorking || state.Pics.Working.isNull()) {
        return;
    }
    const PicturePoint at{state.Cal.SnapPicX, state.Cal.SnapPicY};
    DrawStepCrosshair(state.Pics.Working, at.X, at.Y);
    state.Pics.CrosshairOnWorking = at;
    views.PictureAreaChanged(CrosshairArea(at));
}

QRect TakeOffStepCrosshair(Pictures& pictures) {
    const std::optional<PicturePoint> at = pictures.CrosshairOnWorking;
    if (!at) {
        return {};
    }
    // Inverting again where it was drawn restores exactly the pixels it covered, as long as
    // nothing was painted over it meanwhile: hence copy-pen figures take it off first.
    DrawStepCrosshair(pictures.Working, at->X, at->Y);
    pictures.CrosshairOnWorking.reset();
    return CrosshairArea(*at);
}

void HideStepCrosshair(State& state, Views& views) {
    const QRect area = TakeOffStepCrosshair(state.Pics);
    if (!area.isEmpty()) {
        views.PictureAreaChanged(area);
    }
}

} // namespace lineora
