#pragma once

#include <QIcon>
#include <QPixmap>

namespace lineora {

// The pictures on the toolbar buttons: SVG drawings in resources/icons, laid out on a 22 x 22
// pixel grid.
enum class Glyph {
    OpenPicture,
    FromClipboard,
    SavePicture,
    CopyToClipboard,
    ZeroPoint,
    XMaxPoint,
    YMaxPoint,
    ThreeClicks,
    SetPoint,
    Eraser,
    ClearLine,
    ZoneBrush,
    FindInZone,
    Pipette,
    FindByColor,
    Rotate,
    CleanPicture,
    NoTool,
    ConnectPoints,
    AutoCorrect,
    Axis90,
    StepX,
    Setup,
    AxisValues,
    Table,
    TextOutput,
    Magnifier,
    Pin,
    SpecialPoints,
    Straightener,
    BrightLine,
    PolarTable,
    DoubleAxis,
    Palette,
    ZoomTool,
    CursorChoice,
    Program,
    Rectify,
};

inline constexpr int kGlyphSize = 22;

// 22 x 22 (or `side` x `side`, rendered at that size) except NoTool, which fits its narrow
// button (7 x 20). GlyphIcon holds the picture at 1x and 2x.
QPixmap DrawGlyph(Glyph glyph, int side = kGlyphSize);
QIcon GlyphIcon(Glyph glyph);

} // namespace lineora
