#pragma once

#include "core/calibration/AxisRanges.h"
#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"
#include "core/tracing/AutoDigitize.h"
#include "core/tracing/ColorTracing.h"

#include <QString>

#include <optional>

namespace lineora {

// The axes drawn once more over the working picture. With the inverting pen (the default) this
// takes them off the picture and the next call puts them back, which is how the colour
// dialogs let the user see the lines under the axes while choosing (the pipette and the trace
// read the clean copy in any case).
void DrawAxesAgain(State& state, Views& views);

// The pick-colour tool: the axes drawn again, tool mode 7 with the pipette cursor.
void StartColorPicking(State& state, Views& views);

// OK of the colour-picking dialog: `lineColour` becomes the colour traced, the axes are drawn
// again.
void AcceptFindColor(State& state, Views& views, TColor lineColour);

// Empties the current curve and fills it with the topmost match of each column between the
// reference points, read from the clean copy (the marks and axes on the working picture are not
// picture content); marks are drawn and every value refreshed. A request that asks for no points
// throws CalcError before anything changes.
void RunColorTrace(State& state, Views& views, const TraceRequest& request);

// The colour-tracing dialog's fields as the user left them.
struct TraceFields {
    TraceCriterion Criterion = TraceCriterion::Color;
    TColor FindColor = 255; // taken when the dialog came up
    QString PointsText = QStringLiteral("20");
    QString NeighboursText = QStringLiteral("3");
};

// Checks the texts before anything changes: a number of points that is not a whole number from
// 1 to 1000, or (for the second-colour criterion, the only one that reads it) a threshold that
// is not one from 0 to 8, is reported and the curve keeps its points. Otherwise runs the trace
// with the second colour the colour-picking dialog holds. Returns whether the trace ran.
bool TraceFromFields(State& state, Host& host, Views& views, const TraceFields& fields);

// "Digitize automatically into curve n?" with Yes and No; true for Yes.
bool ConfirmAutoDigitize(State& state, Host& host);

// Finds the axes of a plain black-on-white chart in the clean copy, moves the reference points
// onto them, and replaces the current curve with its samples (at most 30); the picture is
// redrawn and every value refreshed (RefreshAll), whichever button or menu started it.
// With `ranges` the X-max and Y-max points go to the far ends of the axis lines
// (FindAxisEnds) and the axis value fields take the ranges, so the values are the chart's own.
// Ranges these settings refuse (AxisRangesProblem) or ends not found throw CalcError before
// anything changes.
void RunAutoDigitize(State& state, Views& views, int threshold,
                     const std::optional<AxisRanges>& ranges = std::nullopt);

// The confirmation, then on Yes RunAutoDigitize. Returns whether it ran.
bool AutoDigitizeAfterQuestion(State& state, Host& host, Views& views, int threshold,
                               const std::optional<AxisRanges>& ranges = std::nullopt);

// The automatic digitizing window's settings as the user left them.
struct AutoFields {
    int Threshold = kDefaultAutoThreshold;
    bool FindAxisEnds = false;
    QString MinX = QStringLiteral("0"), MaxX = QStringLiteral("100");
    QString MinY = QStringLiteral("0"), MaxY = QStringLiteral("100");
};

// With FindAxisEnds the range fields are read (the system's separator) and checked first: a
// field that holds no number or ranges the settings refuse are reported and nothing changes.
// Then AutoDigitizeAfterQuestion, with the ranges when FindAxisEnds is on.
bool AutoDigitizeFromFields(State& state, Host& host, Views& views, const AutoFields& fields);

} // namespace lineora
