#include "core/commands/TracingCommands.h"

#include "core/commands/Commands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/common/NumberText.h"
#include "core/picture/Overlay.h"
#include "core/tracing/AutoDigitize.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace lineora {

namespace {

QString QuotedField(const QString& text) {
    return QStringLiteral(" (\"%1\")").arg(text);
}

// A range field's number; none for a text that is no number or one beyond a double's range,
// which would otherwise be reported as a range with two equal ends.
std::optional<double> RangeFieldNumber(const QString& text) {
    try {
        const auto number = static_cast<double>(ParseNumber(text));
        return std::isfinite(number) ? std::optional(number) : std::nullopt;
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

} // namespace

void DrawAxesAgain(State& state, Views& views) {
    DrawAxes(state.Pics.Working, state.Cal, state.Setup);
    views.PictureChanged();
}

void StartColorPicking(State& state, Views& views) {
    DrawAxesAgain(state, views);
    SetToolMode(state, views, Tool::PickColor, CursorId::Pipette);
}

void AcceptFindColor(State& state, Views& views, TColor lineColour) {
    state.Setup.FindColor = lineColour;
    DrawAxesAgain(state, views);
}

void RunColorTrace(State& state, Views& views, const TraceRequest& request) {
    const TraceBand band = TraceBandOf(state.Cal, request.Points);
    // The clean copy, as every colour is read: the working image carries the marks of the other
    // curves and the axes, often in the very colour traced.
    const std::vector<PicturePoint> points = TraceLine(state.Pics.Clean, band, request);
    ClearCurrentLine(state);
    const int line = state.Store.CurrentLine;
    for (const PicturePoint& point : points) {
        AppendPoint(state.Store, line, point.X, point.Y);
    }
    for (int row = kFirstRow; row < state.Store.LineNext[line]; ++row) {
        const PixelEntry& entry = state.Store.PointPixels[static_cast<std::size_t>(row)][line];
        DrawCurveMark(state, entry.PixX, entry.PixY, line);
    }
    views.PictureChanged();
    RefreshAll(state, views);
}

bool TraceFromFields(State& state, Host& host, Views& views, const TraceFields& fields) {
    NameUserAction(state, MsgKey::StepColourTrace);
    const std::optional<std::int32_t> points = WholeNumberIn(fields.PointsText, 1, kMaxTracePoints);
    if (!points) {
        host.ShowMessage(LoadMessage(state.Messages, MsgKey::TracePointCount) +
                         QuotedField(fields.PointsText));
        return false;
    }
    TraceRequest request;
    request.Criterion = fields.Criterion;
    request.FindColor = fields.FindColor;
    request.Color2 = state.Setup.Special2Color;
    request.Points = *points;
    if (fields.Criterion == TraceCriterion::Color2) {
        const std::optional<std::int32_t> neighbours =
            WholeNumberIn(fields.NeighboursText, 0, kMaxTraceNeighbours);
        if (!neighbours) {
            host.ShowMessage(LoadMessage(state.Messages, MsgKey::TraceNeighbourCount) +
                             QuotedField(fields.NeighboursText));
            return false;
        }
        request.Neighbours = *neighbours;
    }
    RunColorTrace(state, views, request);
    return true;
}

bool ConfirmAutoDigitize(State& state, Host& host) {
    const QString question = LoadMessage(state.Messages, MsgKey::AutoDigitizeInto) +
                             PadLeft(state.Store.CurrentLine, 1) + QLatin1Char('\n') +
                             LoadMessage(state.Messages, MsgKey::PointsReplaced);
    return host.AskYesNo(question);
}

void RunAutoDigitize(State& state, Views& views, int threshold,
                     const std::optional<AxisRanges>& ranges) {
    NameUserAction(state, MsgKey::StepAutoDigitize);
    const AxisLines axes = FindAxisLines(state.Pics.Clean);
    std::optional<AxisEnds> ends;
    if (ranges) {
        if (const auto problem = AxisRangesProblem(*ranges, state.Setup)) {
            throw CalcError(LoadMessage(state.Messages, *problem).toStdString());
        }
        ends = FindAxisEnds(state.Pics.Clean, axes);
        if (!ends) {
            throw CalcError(LoadMessage(state.Messages, MsgKey::AxisEndsNotFound).toStdString());
        }
        state.Texts = AxisTextsOf(*ranges, state.Setup, state.Texts);
    }
    const std::optional<QRegion> before = AxesAndCurveArea(state, state.Store.CurrentLine);
    Calibration& cal = state.Cal;
    cal.ZeroPointY = axes.Row;
    cal.XMaxPointY = axes.Row;
    cal.ZeroPointX = axes.Column;
    cal.YMaxPointX = axes.Column;
    if (ends) {
        cal.XMaxPointX = ends->XMaxColumn;
        cal.YMaxPointY = ends->YMaxRow;
    }
    ClearCurrentLine(state);
    const std::vector<PicturePoint> points = SampleCurve(state.Pics.Clean, axes, threshold);
    for (const PicturePoint& point : points) {
        AppendPoint(state.Store, state.Store.CurrentLine, point.X, point.Y);
    }
    // A found curve takes the step crosshair off, as a mark drawn by hand does.
    if (!points.empty()) {
        TakeOffStepCrosshair(state.Pics);
    }
    // Only the old and new axes and marks are drawn again where they can be told apart: on a
    // big scan a whole redraw costs more than everything else the command does.
    const std::optional<QRegion> after = AxesAndCurveArea(state, state.Store.CurrentLine);
    if (before && after) {
        RedrawPictureArea(state, views, *before + *after);
    } else {
        RedrawPicture(state, views);
    }
    // Last, as after every change: the new points get their chart values before the table, the
    // text output or a save shows them.
    RefreshAll(state, views);
}

bool AutoDigitizeAfterQuestion(State& state, Host& host, Views& views, int threshold,
                               const std::optional<AxisRanges>& ranges) {
    if (!ConfirmAutoDigitize(state, host)) {
        return false;
    }
    RunAutoDigitize(state, views, threshold, ranges);
    return true;
}

bool AutoDigitizeFromFields(State& state, Host& host, Views& views, const AutoFields& fields) {
    if (!fields.FindAxisEnds) {
        return AutoDigitizeAfterQuestion(state, host, views, fields.Threshold);
    }
    AxisRanges ranges;
    const std::pair<const QString*, double*> readings[] = {{&fields.MinX, &ranges.MinX},
                                                           {&fields.MaxX, &ranges.MaxX},
                                                           {&fields.MinY, &ranges.MinY},
                                                           {&fields.MaxY, &ranges.MaxY}};
    for (const auto& [text, value] : readings) {
        const std::optional<double> number = RangeFieldNumber(*text);
        if (!number) {
            host.ShowMessage(LoadMessage(state.Messages, MsgKey::AxisRangeNumber) +
                             QuotedField(*text));
            return false;
        }
        *value = *number;
    }
    if (const auto problem = AxisRangesProblem(ranges, state.Setup)) {
        host.ShowMessage(LoadMessage(state.Messages, *problem));
        return false;
    }
    return AutoDigitizeAfterQuestion(state, host, views, fields.Threshold, ranges);
}

} // namespace lineora
