#include "commands/StatusBar.h"

#include "common/Color.h"
#include "common/NumberText.h"

#include <numbers>

namespace lineora {

namespace {

Extended Degrees(Extended radians) {
    return radians * 180 / std::numbers::pi_v<Extended>;
}

} // namespace

void UpdateStatusBar(State& state, Views& views, int x, int y, Extended valueX, Extended valueY) {
    const QString angle = QStringLiteral(" (%3.3f)");
    views.ShowStatus(
        3, QStringLiteral("A ") + FormatPattern(angle, {Degrees(state.Cal.AxisAngleX)}) +
               QStringLiteral(" B ") + FormatPattern(angle, {Degrees(state.Cal.PointAngle)}));
    views.ShowStatus(1,
                     QStringLiteral("X ") + PadLeft(x, 4) + QStringLiteral("  Y ") + PadLeft(y, 4));
    const TColor color = state.Main.PixelColor;
    views.ShowStatus(4, QStringLiteral("Color ") + PadLeft(color, 9) + QStringLiteral(" R ") +
                            PadLeft(ColorRed(color), 3) + QStringLiteral(" G ") +
                            PadLeft(ColorGreen(color), 3) + QStringLiteral(" B ") +
                            PadLeft(ColorBlue(color), 3));
    views.ShowStatus(0, FormatPattern(QStringLiteral(" (%f, %f)"), {valueX, valueY}));
    if (state.Main.StepXOn) {
        views.ShowStatus(2, FormatPattern(QStringLiteral(" (%f, %f)"),
                                          {state.Cal.SnapValueX, state.Cal.SnapValueY}));
    }
}

void ShowValuesUnavailable(Views& views) {
    views.ShowStatus(0, QStringLiteral(" (-, -)"));
}

} // namespace lineora
