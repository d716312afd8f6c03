#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"

#include <QString>

#include <array>
#include <cstdint>

namespace lineora {

// What the setup dialog's controls do. Most of them set one settings field that the
// conversions, the overlay or the export read afresh when they run, so a change takes effect
// at the next use without a redraw; the handlers below are the ones that do more.

// The radio groups' choices in the order of their buttons.
inline constexpr std::array<ScaleKind, 3> kScaleChoices{ScaleKind::Linear, ScaleKind::Log10,
                                                        ScaleKind::Ln};
inline constexpr std::array<SeparatorChoice, 3> kSeparatorChoices{
    SeparatorChoice::Comma, SeparatorChoice::Point, SeparatorChoice::System};
inline constexpr std::array<std::int32_t, 2> kXDirectionChoices{-1, +1};
inline constexpr std::array<std::int32_t, 2> kChartKindChoices{1, 2};

// Colour dialog for curve 1..5, or for the axes with kAxesColorButton. The chosen colour is
// stored; a cancelled dialog changes nothing. True when a colour was chosen.
inline constexpr int kAxesColorButton = 6;
bool ChooseSetupColor(Settings& settings, Host& host, int button);

// The step of step-X picking as typed: the text is kept whatever it holds; a non-empty text
// becomes StepX, and one that is no number throws FormatError with StepX unchanged.
void SetStepXText(Settings& settings, const QString& text);

// 1 cartesian, 2 polar; the axis value window shows the fields of that kind.
void SetChartKind(State& state, Views& views, std::int32_t typeOfCurve);

// Old or new look of the axes overlay. The look buttons share the cartesian button's handler,
// so a cartesian chart shows its fields again.
void SetAxesLook(State& state, Views& views, bool newLook);

// Which language file the next ApplyLanguage reads.
void ChooseLanguage(Settings& settings, bool english);

// Polar circles of the overlay, at least one; the picture is redrawn with them.
void StepPolarCircles(State& state, Views& views, int delta);

// The dialog became active: step-X picking ends and its crosshair leaves the picture, so the
// scale kinds can change under no crosshair.
void ReleaseStepX(State& state, Views& views);

// "Back to the main window": the axis fields are read again, the picture redrawn in the
// current colours and the main window's controls (line buttons) repainted.
void LeaveSetup(State& state, Views& views);

} // namespace lineora
