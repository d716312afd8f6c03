#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"

#include <QString>

namespace lineora {

// The straightener window's operations. The guide arcs are on the working image from the
// window's showing until its closing; every change erases them with the geometry they were
// drawn with and draws them again with the new one.

// The question after a straightening; part of the program, not of the language files.
inline const QString kStraightenQuestion = QStringLiteral("Выпрямление выполнено.") +
                                           QLatin1Char('\r') +
                                           QStringLiteral("Запомнить исправления");

// The window is shown: axes, then the guide.
void ShowStraightenGuide(State& state, Views& views);
// The window closes: the guide erased, then the axes.
void HideStraightenGuide(State& state, Views& views);

// The gap between the strips by `delta` pixels, without limits.
void ChangeStripGap(State& state, Views& views, int delta);

enum class CurvatureArrow { Down, Up };
// Down moves the arc centres 10 pixels farther from the axis (flatter arcs); up 10 nearer
// (rounder arcs), stopping at 1.
void ChangeCurvature(State& state, Views& views, CurvatureArrow arrow);

// Shifts every row of the clean picture onto the guide into a widened working image and asks
// whether to keep it. Yes: the clean picture takes it; No: the picture returns as it was. The
// guide is drawn again either way. A curvature the strips cannot follow is refused with a
// CalcError before anything changes. True when the window should close (Yes).
bool RunStraightening(State& state, Host& host, Views& views);

} // namespace lineora
