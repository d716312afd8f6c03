#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"

namespace lineora {

// Panels 3, 1, 4 and 0 for the hover position and its chart values, then panel 2 while
// step-X picking is on.
void UpdateStatusBar(State& state, Views& views, int x, int y, Extended valueX, Extended valueY);

// The values under the cursor could not be computed (no calibration yet): panel 0 says so.
void ShowValuesUnavailable(Views& views);

// The widest text panel 0..5 is expected to show, built as the panel's own text is, so that
// the window can make the panel wide enough for it. Empty for a panel nothing writes.
QString WidestStatusText(int panel);

} // namespace lineora
