#include "core/commands/StatusBar.h"

#include "core/common/Color.h"
#include "core/common/NumberText.h"

#include <numbers>

namespace lineora {

namespace {

Extended Degrees(Extended radians) {
    return radians * 180 / std::numbers::pi_v<Extended>;
}

QString ValuesText(Extended x, Extended y) {
    return FormatPattern(QStringLiteral(" (%f, %f)"), {x, y});
}

QString PositionText(int x, int y) {
    return QStringLiteral("X ") + PadLeft(x, 4) + QStringLiteral("  Y ") + PadLeft(y, 4);
}

QString AnglesText(Extended axisRadians, Extended pointRadians) {
    const QString angle = QStringLiteral(" (%3.3f)");
    return QStringLiteral("A ") + FormatPattern(angle, {Degrees(axisRadians)}) +
           QStringLiteral(" B ") + FormatPattern(angle, {Degrees(pointRadians)});
}

QString ColourText(TColor color) {
    return QStringLiteral("Color ") + PadLeft(color, 9) + QStringLiteral(" R ") +
           PadLeft(ColorRed(color), 3) + QStringLiteral(" G ") + PadLeft(ColorGreen(color), 3) +
           QStringLiteral(" B ") + PadLeft(ColorBlue(color), 3);
}

} // namespace

void UpdateStatusBar(State& state, Views& views, int x, int y, Extended valueX, Extended valueY) {
    views.ShowStatus(3, AnglesText(state.Cal.AxisAngleX, state.Cal.PointAngle));
    views.ShowStatus(1, PositionText(x, y));
    views.ShowStatus(4, ColourText(state.Main.PixelColor));
    views.ShowStatus(0, ValuesText(valueX, valueY));
    if (state.Main.StepXOn) {
        views.ShowStatus(2, ValuesText(state.Cal.SnapValueX, state.Cal.SnapValueY));
    }
}

void ShowValuesUnavailable(Views& views) {
    views.ShowStatus(0, QStringLiteral(" (-, -)"));
}

QString WidestStatusText(int panel) {
    // Chart values of up to six integer digits, positions on a picture of up to 9999 pixels,
    // angles of a full half turn either way, white: together they fit the narrowest window.
    constexpr Extended kValue = -888888.88L;
    constexpr Extended kHalfTurn = -std::numbers::pi_v<Extended>;
    switch (panel) {
    case 0:
    case 2:
        return ValuesText(kValue, kValue);
    case 1:
        return PositionText(8888, 8888);
    case 3:
        return AnglesText(kHalfTurn, kHalfTurn);
    case 4:
        return ColourText(0xFFFFFF);
    default:
        return {};
    }
}

} // namespace lineora
