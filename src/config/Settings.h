#pragma once

#include "common/Types.h"

#include <array>
#include <cstdint>

namespace lineora {

// Scale kind of one axis. The numbers are the codes the graph data file stores.
enum class ScaleKind : std::int32_t { None = 0, Linear = 1, Log10 = 2, Ln = 3 };

enum class ChartKind { Cartesian, Polar };

enum class NumberFormat { Standard, Scientific };

// What the export does with decimal separators: force ",", force ".", or keep the system's.
enum class SeparatorChoice { Comma = 1, Point = 2, System = 3 };

// What the setup dialog shows; its controls display these fields, the configuration file
// persists them. Conversions read them afresh every time, so a change takes effect at once.
struct Settings {
    ScaleKind ScaleX = ScaleKind::Linear;
    ScaleKind ScaleY = ScaleKind::Linear;
    ChartKind Chart = ChartKind::Cartesian;
    // +1 when the X axis lies to the right of the Y axis, -1 to the left, 0 until chosen.
    std::int32_t XDirection = 0;
    Extended StepX = 10;
    bool MakeSort = true;
    NumberFormat ExportFormat = NumberFormat::Scientific;
    SeparatorChoice Separator = SeparatorChoice::Comma;
    // On: the table shows chart values; off: the picture positions of the points.
    bool DataPoint = true;

    // Overlay: 1 cartesian axes, 2 polar circles, anything else no axes.
    std::int32_t TypeOfCurve = 1;
    TColor AxesColor = 255;
    bool AxesInvert = true;     // axes drawn not-xor, so a second drawing removes them
    std::int32_t AxesWidth = 1; // 1..5
    bool NewAxesLook = true;    // extensions and end circles; false draws two plain lines
    bool MetkaX = true;         // a small X beside the X-max point
    std::int32_t PolarCircleCount = 1;

    // Marks: colour per curve (index 1..5) and whether they are filled.
    std::array<TColor, kCurveCount + 1> LineColors{0, 255, 255, 255, 255, 255};
    bool FillMetka = true;

    // The language buttons; with neither on, the language stays as it was.
    bool LanguageRussian = true;
    bool LanguageEnglish = false;
};

} // namespace lineora
