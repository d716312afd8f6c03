#include "commands/Commands.h"

#include "picture/Overlay.h"

namespace lineora {

namespace {

// Step-X picking off, its crosshair taken off the picture.
void StepXOff(State& state, Views& views) {
    if (state.Main.StepXOn) {
        DrawStepCrosshair(state.Pics.Working, state.Cal.SnapPicX, state.Cal.SnapPicY);
        views.PictureChanged();
    }
    state.Main.StepXOn = false;
}

} // namespace

void SwitchStepX(State& state, Host& host, Views& views, bool buttonDown) {
    const bool linear =
        state.Setup.ScaleX == ScaleKind::Linear && state.Setup.ScaleY == ScaleKind::Linear;
    if (!linear) {
        // The button, its menu item and the mode all end up off together.
        StepXOff(state, views);
        views.ControlsChanged();
        host.ShowMessage(QStringLiteral("Logarifm axis not supported"));
        return;
    }
    if (buttonDown != state.Main.StepXOn) {
        state.Main.StepXOn = buttonDown;
        DrawStepCrosshair(state.Pics.Working, state.Cal.SnapPicX, state.Cal.SnapPicY);
        views.PictureChanged();
    }
    state.Main.AvtoCorrectOn = false;
    views.ControlsChanged();
}

void SwitchAutoCorrect(State& state, Views& views, bool on) {
    state.Main.AvtoCorrectOn = on;
    StepXOff(state, views);
    views.ControlsChanged();
}

void SwitchAxis90(State& state, Views& views, bool buttonDown) {
    state.Main.Axis90ButtonDown = buttonDown;
    if (buttonDown) {
        state.Main.DrawLineButtonDown = false;
    }
    const bool becameOn = buttonDown && !state.Main.Axis90Mode;
    state.Main.Axis90Mode = buttonDown;
    if (becameOn) {
        LevelAxes(state.Cal, [&state] { DrawAxes(state.Pics.Working, state.Cal, state.Setup); });
        views.PictureChanged();
        RefreshAll(state, views);
    }
    views.ControlsChanged();
}

void SwitchConnectPoints(State& state, Views& views, bool buttonDown) {
    state.Main.DrawLineButtonDown = buttonDown;
    if (buttonDown) {
        state.Main.Axis90ButtonDown = false;
    }
    state.Store.ConnectPoints = buttonDown;
    RedrawPicture(state, views);
    views.ControlsChanged();
}

} // namespace lineora
