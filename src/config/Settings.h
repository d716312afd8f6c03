#pragma once

#include "common/Types.h"

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
};

} // namespace lineora
