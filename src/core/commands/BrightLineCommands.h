#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"

namespace lineora {

// SpecialMode while bright lines are traced; 3 and 4 are the light-distribution modes, which
// change how points are valued.
inline constexpr std::int32_t kBrightLineMode = 2;

// The bright-line mode (SpecialMode 2): a click on a bright line on a dark picture traces it
// column by column into State::BrightLines, one line per curve slot. The centres never enter
// the point store; RedrawPicture draws them in the curves' colours while the mode is on, and
// the mode's table window shows them.

// The main window's button: tracing clicks at the scale 1:1 (a screen pixel is a picture
// pixel), the mode on and its window shown. Entering afresh empties the current curve's line.
// A light-distribution mode still on is closed first with its own question; No keeps it on
// and the bright-line mode off.
void EnterBrightLineMode(State& state, Host& host, Views& views);

// A left click in the tracing tool at the working position (Cal.MousePicX/MousePicY). A pixel
// that does not start a bright line, or a run that reaches the picture's edge, is reported and
// changes nothing.
void BrightLineClick(State& state, Host& host, Views& views);

// The window's buttons, each on the current curve's line; the reset empties all five.
void BridgeBrightLine(State& state, Views& views);
void SmoothBrightLine(State& state, Views& views);
void ResetBrightLines(State& state, Views& views);
// Before the table window shows the centres: the table as wide as the picture, the picture
// redrawn.
void PrepareBrightLineTable(State& state, Views& views);

// The close button and the window's close box: back to no tool, the mode off.
void CloseBrightLineMode(State& state, Views& views);

} // namespace lineora
