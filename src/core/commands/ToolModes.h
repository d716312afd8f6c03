#pragma once

#include <cstdint>

namespace lineora {

// What a left click on the picture does.
enum class Tool : std::int32_t {
    None = 0,
    SetPoint = 1,
    ZeroPoint = 2,
    XMaxPoint = 3,
    YMaxPoint = 4,
    Zone = 5,
    Eraser = 6,
    PickColor = 7,
    Pan = 8,
    Zoom = 10,
    ThreeClick = 11,
    // The strip-sampling window: pick a trace's colour, correct one sample at the step-X point.
    StripColor = 12,
    StripSample = 13,
    // The bright-line window: trace the line through the click.
    BrightLine = 14,
    // Four clicks on the corners of a rectangle of the chart square the picture.
    Rectify = 15,
    // One-shot picks of the photometric modes' dialogs; each click returns to SetPoint.
    PolarI0 = 16,    // light-distribution table: axial intensity
    PolarI180 = 17,  // light-distribution table: intensity at 180 degrees
    AxialI0 = 18,    // double X axis mode: axial intensity of the first pair
    PairI0 = 20,     // double X axis mode, shifted pair: axial intensity of the first pair
    PairAxis2 = 23,  // double X axis mode, shifted pair: axial point of the second pair
    PolarUpper = 24, // light-distribution table: the four limiting angles
    PolarLower = 25,
    PolarRight = 26,
    PolarLeft = 27,
};

// One of the photometric dialogs' one-shot picks.
constexpr bool IsSpecialPick(Tool tool) {
    return tool >= Tool::PolarI0 && tool <= Tool::PolarLeft;
}

// The picture cursors, 1..16 (0 is the system arrow). 1..5 are the crosshair kinds of point
// mode, which the user chooses by number.
enum class CursorId : std::int32_t {
    Arrow = 0,
    Diag = 1,
    Vert = 2,
    Handle = 3,
    Circle = 4,
    Strela = 5,
    PanHand = 6,
    Eraser = 7,
    Pipette = 8,
    Movi = 9,
    Zoom = 10,
    ZeroPoint = 11,
    XMaxPoint = 12,
    YMaxPoint = 13,
    ZoneBrush = 14,
    Test = 15,
    MovePoint = 16,
};

// The crosshair of a cursor kind as the configuration and the menu number it (1..5). The
// number passes unchanged: a kind outside 1..5 names no drawn cursor and shows the arrow.
constexpr CursorId CursorOfKind(std::int32_t kind) {
    return static_cast<CursorId>(kind);
}

} // namespace lineora
