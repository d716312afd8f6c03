#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"
#include "core/picture/Rectify.h"

namespace lineora {

// The rectify tool squares a photographed chart: four clicks on the corners of a rectangle of
// the chart (usually the plot frame), in any order, each marked on the picture.

// The status panel that counts the corners still to click.
inline constexpr int kRectifyStatusPanel = 2;

// The tool on, no corner clicked yet, the status bar saying what to click.
void EnterRectifyTool(State& state, Views& views);

// A left click with the tool at Cal.MousePicX/MousePicY. The fourth rectifies (or refuses
// corners that are not those of a convex quadrilateral, and waits for four new ones); after
// the question whether to keep the result, point mode is back.
void RectifyCornerClick(State& state, Host& host, Views& views);

// Escape: back to point mode, the clicked corners forgotten and their marks gone.
void CancelRectifyTool(State& state, Views& views);

// The marks of the corners clicked so far, onto the working image; RedrawPicture calls it, so
// the marks outlive a redraw while the tool waits for its corners.
void DrawRectifyCorners(State& state);

// Squares the picture on the four corners, then asks whether to keep it. Kept, it becomes
// the stored picture with the reference points on the square frame's corners (zero
// bottom-left, X-max bottom-right, Y-max top-left), the axis values as they were and every
// curve emptied; dropped, everything stays as it was. Corners that do not form a convex
// quadrilateral get a message and change nothing. False when nothing was asked.
bool RectifyToCorners(State& state, Host& host, Views& views, const Quad& corners);

} // namespace lineora
