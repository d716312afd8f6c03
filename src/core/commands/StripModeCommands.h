#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace lineora {

// Strip sampling: a recorder chart with three traces in three horizontal strips is sampled on
// a grid of vertical search lines at fixed times. The samples are curves 1..3 of the store;
// the mode lasts while State::StripSampling.ArcFlag is on (the toolbar button held down), and
// its window shows State::StripSampling and calls these commands.

// The input dialog's three fields as typed: seconds on X, points per second, start second.
struct StripInputTexts {
    QString Seconds = QStringLiteral("1");
    QString PointsPerSecond = QStringLiteral("20");
    QString StartSecond = QStringLiteral("3");
};

// The search lines allowed at most: the curves hold 1000 points.
inline constexpr std::int32_t kMaxSearchLines = 1000;

// The toolbar button: the mode starts (its button held down) and the input dialog follows.
void BeginStripMode(State& state, Views& views);
// The input dialog closed without its OK: the mode does not start.
void CancelStripMode(State& state, Views& views);
// The input dialog's OK: the time axis 0..40 against start .. start + seconds, the step of one
// point, the axis fields' texts and the number of search lines. An empty field, no number,
// zero points per second, more than kMaxSearchLines lines or a calibration on which the
// search lines cannot be laid throw (FormatError, CalcError) with nothing changed, and the
// dialog stays open.
void AcceptStripInput(State& state, const StripInputTexts& texts);
// After the input: picture restored, no tool with the arrow cursor, step-X picking on and
// autocorrection off, both axes linear; then the window's settings from Special1.Ini, the
// strips, every sample on its search line at its strip's bottom, and the redraw. A damaged
// Special1.Ini is reported; its defaults stand in for it.
void StartStripMode(State& state, Host& host, Views& views);

// Where Special1.Ini lives: beside the program.
QString SpecialIniPath(const State& state);
// The strips of the present calibration and gap.
StripGeometry CurrentStrips(const State& state);

// The overlay of the mode: the strip rectangles (green, width 3) and the search lines over the
// whole height (yellow) with their numbers, all not-xor, so the same call again removes them.
void DrawStripOverlay(QImage& working, const StripGeometry& strips, std::int32_t zeroX,
                      std::int32_t xMaxX, const std::vector<std::int32_t>& columns, bool showStrips,
                      bool showSearchLines);
// RedrawPicture's part while the mode lasts: the overlay as the switches say. A calibration
// that cannot lay the search lines leaves them out (the window reports it when it acts).
void DrawStripModeOverlay(State& state);

// A trace's colour button (trace 1..3) pressed (down) or released. Down: the colour under the
// mouse shows in the window and clicks fill the trace's three shades in turn.
void ArmStripColour(State& state, Views& views, int trace, bool down);
// A click in that tool: the next shade of the trace takes the colour under the mouse; after
// the third the button comes up.
void StripColourClick(State& state, Views& views);
// A trace's pick button: down makes clicks correct that trace's samples at the step-X point.
void ArmStripSample(State& state, Views& views, int trace, bool down);
// A left click in that tool at the working position: the sample of the nearest search line
// moves there; a click outside the search lines does nothing.
void StripSampleClick(State& state, Views& views);
// The search line a click at picture column x corrects, 1-based, as the time grid rounds it;
// outside 1..n it corrects none.
std::int32_t StripSampleIndex(const Calibration& cal, std::int32_t x, Extended stepX);

// The density spin: +1 or -1 within 1..9.
void StepLineDensity(State& state, int delta);
void SetShowStrips(State& state, Views& views, bool on);
void SetShowSearchLines(State& state, Views& views, bool on);

// The searches and the approximation over every trace and search line.
void FindStripsByColour(State& state, Host& host, Views& views);
void FindStripsRed(State& state, Host& host, Views& views);
void ApproximateStrips(State& state, Views& views);
// Whitens the grid lines in the strips, then asks whether the cleaned picture stays.
void ClearStripGrid(State& state, Host& host, Views& views);
// The time / trace table into a text file the user chooses.
void SaveStripTable(State& state, Host& host);

// The window closes (its button or its close box): Special1.Ini written (a failure is
// reported and the window still closes), the mode ended, no tool with the arrow cursor.
void CloseStripMode(State& state, Host& host, Views& views);

} // namespace lineora
