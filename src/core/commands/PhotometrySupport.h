#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"

#include <QLatin1String>
#include <QString>

namespace lineora {

// What the photometric modes' commands share; not for other callers.

// The number in a dialog's field; a field that is empty or holds no number throws FormatError
// naming the field by its message key.
Extended FieldNumber(const State& state, const QString& text, QLatin1String nameKey);

// Where a chart point lies on the picture: polar (angle in degrees, radius), or in the double X
// axis mode with its dialog's first angle range and its intensity range. Throws CalcError when
// the calibration cannot place it.
PicturePoint PolarPosition(State& state, Extended angle, Extended radius);
PicturePoint CartesianPosition(State& state, Extended x, Extended y);

// Row `row` of curve 5 holds a special point at `at`.
void PlaceSpecialPoint(PointStore& store, int row, PicturePoint at);

// Entering a mode: point picking on curve 1, the axis-value window closed with its toggle
// disabled, the text output window shown.
void EnterPhotometryMode(State& state, Views& views, int specialMode);
// A refresh that may disable the button of an armed pick releases the pick, so that the next
// click picks a point again.
void ReleaseArmedPick(State& state, Views& views);
// Leaving it after the close question was answered Yes: point picking, no special mode, every
// curve button and the axis-value toggle enabled, the text output empty.
void LeavePhotometryMode(State& state, Views& views);

} // namespace lineora
