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

// The run of pixels of `clean` with red >= threshold through (x, y): not found when it
// reaches row 1 or the bottom edge.
BrightRun MeasureRun(const QImage& clean, std::int32_t x, std::int32_t y, std::int32_t threshold);

enum class TraceOutcome { Traced, NotBright, RunFailed };

// A click at (x0, y0) on line `line`: the start test, the run at the click, then the trace to
// both sides. NotBright and RunFailed change no centre.
TraceOutcome TraceBrightLine(BrightLineState& state, const QImage& clean, int line, std::int32_t x0,
                             std::int32_t y0);

// Bridges every interior gap of the line by a straight segment; the parts before the first
// and after the last value stay empty. Returns the number of gaps bridged.
int BridgeGaps(BrightLineState& state, int line);

// A centre that differs by 1 or more from the mean of its two neighbours takes that mean.
void SmoothLine(BrightLineState& state, int line);

void ClearBrightLine(BrightLineState& state, int line);
void ClearAllBrightLines(BrightLineState& state);

// Sets each traced centre's pixel of `working` in its line's colour (colours 1..5).
void DrawBrightLines(const BrightLineState& state, QImage& working,
                     const std::array<TColor, kCurveCount + 1>& colours);

// The table's texts: "Line N" headers, and a centre in the general number form, "0" when empty.
QString BrightLineHeader(int line);
QString BrightLineCell(const BrightLineState& state, int line, std::int32_t column);

} // namespace lineora
