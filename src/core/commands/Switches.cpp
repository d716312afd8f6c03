#include "core/commands/Commands.h"

#include "core/picture/Overlay.h"

namespace lineora {

void StepXOff(State& state, Views& views) {
    HideStepCrosshair(state, views);
    state.Main.StepXOn = false;
}

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
    state.Main.StepXOn = buttonDown;
    // It appears where it last stood and follows the mouse from there.
    if (StepCrosshairLive(state)) {
        ShowStepCrosshair(state, views);
    } else {
        HideStepCrosshair(state, views);
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
        HideStepCrosshair(state, views); // the axes are drawn over it with the copy pen
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
