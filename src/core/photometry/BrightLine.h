#pragma once

#include "core/common/Types.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace lineora {

// Tracing a bright line on a dark picture column by column: the centre of the vertical run of
// bright pixels holding the line, followed left and right until the run ends or thins. Up to
// five lines; the centres live here, not in the point store.

inline constexpr int kBrightLineCount = 5;
// Columns the centres table holds at least; a wider picture gets a column per picture column.
inline constexpr int kBrightLineColumns = 3001;

struct BrightLineState {
    // Centre row per picture column of lines 1..5 (index 0 unused); 0 = no value.
    std::array<std::vector<double>, kBrightLineCount + 1> Centres;
    std::int32_t Tolerance = 25; // red below the click's that still counts as bright
    std::int32_t Threshold = 0;  // red of the current trace's brightness
    std::int32_t MinWidth = 0;   // a run narrower than this ends the trace
    double LastCentre = 0;
};

// Makes every line's table as wide as the picture needs (kBrightLineColumns at least),
// keeping what it holds.
void SizeBrightLineTable(BrightLineState& state, std::int32_t pictureWidth);

struct BrightRun {
    bool Found = false;
    double Centre = 0;
    std::int32_t Width = 0;
};

// The run of pixels of `clean` with red >= threshold above and below (x, y) (the pixel itself
// is not tested): its centre (top + bottom) / 2 and width bottom - top. Not found when it
// reaches row 1 or the bottom edge. Pixels outside the picture are never bright.
BrightRun MeasureRun(const QImage& clean, std::int32_t x, std::int32_t y, std::int32_t threshold);

enum class TraceOutcome { Traced, NotBright, RunFailed };

// A click at (x0, y0) on line `line`: the start test (red >= 150 at the click, the pixels
// above and below bright, bright meaning red >= the click's red - Tolerance), the run at the
// click, then the trace to the left and to the right, each following the previous column's
// rounded centre while the run keeps MinWidth (its width at the click - 4). Each side stops at
// a failed or thinner run or past the picture's edge, and drops the two traced columns nearest
// the stop. Sizes the table to the picture. NotBright and RunFailed change nothing.
TraceOutcome TraceBrightLine(BrightLineState& state, const QImage& clean, int line, std::int32_t x0,
                             std::int32_t y0);

// Bridges every interior gap of the line (columns from 1 whose rounded centre is 0) by a
// straight segment between the rounded centres at its ends, not rounded itself; the parts
// before the first and after the last value stay empty. Returns the number of gaps bridged.
int BridgeGaps(BrightLineState& state, int line);

// From column 2 to the last but one, left to right on the values already changed: a centre
// that differs by 1 or more from the mean of its two neighbours takes that mean, when all
// three are non-zero.
void SmoothLine(BrightLineState& state, int line);

void ClearBrightLine(BrightLineState& state, int line);
void ClearAllBrightLines(BrightLineState& state);

// Sets each traced centre's pixel (column, rounded centre) of `working` in its line's colour
// (colours 1..5, 0x00BBGGRR); row 0 and pixels outside the picture are skipped.
void DrawBrightLines(const BrightLineState& state, QImage& working,
                     const std::array<TColor, kCurveCount + 1>& colours);

// The table's texts: "Line N" headers, and a centre in the general number form with the
// system's separator, "0" when empty or beyond the table.
QString BrightLineHeader(int line);
QString BrightLineCell(const BrightLineState& state, int line, std::int32_t column);

} // namespace lineora
