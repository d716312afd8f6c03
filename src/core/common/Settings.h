#pragma once

#include "core/common/Types.h"

#include <QString>

#include <array>
#include <cstdint>

namespace lineora {

// Scale kind of one axis. The numbers are the codes the graph data file stores.
enum class ScaleKind : std::int32_t { None = 0, Linear = 1, Log10 = 2, Ln = 3 };

enum class NumberFormat { Standard, Scientific };

// What the export does with decimal separators: force ",", force ".", or keep the system's.
// None is a configuration with no button of the group checked: the text stays as formatted.
enum class SeparatorChoice { None = 0, Comma = 1, Point = 2, System = 3 };

// Where the windows stand, as the configuration keeps them.
struct FormPlacements {
    int MainLeft = 20, MainTop = 20, MainWidth = 600, MainHeight = 420;
    int ZoomLeft = 400, ZoomTop = 400;
    int InputLeft = 500, InputTop = 400;
    int TableLeft = 10, TableTop = 10, TableWidth = 600, TableHeight = 400;
    int SetupLeft = 5, SetupTop = 5;
    int OutTextLeft = 300, OutTextTop = 300;
};

// The curves' colours of a first run (TColor is 0x00BBGGRR): curve 1 red like the axes and the
// colour traced, curves 2-5 blue, green, magenta and dark orange, so that every curve can be
// told apart from the others.
inline constexpr std::array<TColor, kCurveCount + 1> kDefaultLineColors{
    0, 0x0000FF, 0xFF0000, 0x008000, 0xFF00FF, 0x008CFF};

// What the setup dialog shows; its controls display these fields, the configuration file
// persists them. Conversions read them afresh every time, so a change takes effect at once.
struct Settings {
    ScaleKind ScaleX = ScaleKind::Linear;
    ScaleKind ScaleY = ScaleKind::Linear;
    // +1 when the X axis lies to the right of the Y axis, -1 to the left, 0 until chosen.
    std::int32_t XDirection = 0;
    Extended StepX = 10;
    // The step-X fields as typed.
    QString StepXText = QStringLiteral("10");
    QString StepFromXText = QStringLiteral("10");
    bool MakeSort = true;
    NumberFormat ExportFormat = NumberFormat::Scientific;
    SeparatorChoice Separator = SeparatorChoice::Comma;
    // On: the table shows chart values; off: the picture positions of the points.
    bool DataPoint = true;

    // The chart kind: 1 cartesian, 2 polar (circles and angles), anything else neither
    // button checked: cartesian conversions and no axes drawn.
    std::int32_t TypeOfCurve = 1;
    bool Polar() const { return TypeOfCurve == 2; }
    TColor AxesColor = 255;
    bool AxesInvert = true;     // axes drawn not-xor, so a second drawing removes them
    std::int32_t AxesWidth = 1; // 1..5
    bool NewAxesLook = true;    // extensions and end circles; false draws two plain lines
    bool MetkaX = true;         // a small X beside the X-max point
    std::int32_t PolarCircleCount = 1;

    // Marks: colour per curve (index 1..5) and whether they are filled.
    std::array<TColor, kCurveCount + 1> LineColors = kDefaultLineColors;
    bool FillMetka = true;

    // The language buttons; with neither on, the language stays as it was.
    bool LanguageRussian = true;
    bool LanguageEnglish = false;

    // Colour tracing: the colour looked for, and the swatch of the second colour.
    TColor FindColor = 255;
    TColor Special2Color = 0xFFFFFF;

    // Configuration flags: write at exit, write and read the reference points.
    bool AutoSave = true;
    bool SaveScalaKoord = true;
    bool LoadScalaKoord = true;

    FormPlacements Forms;
};

} // namespace lineora
