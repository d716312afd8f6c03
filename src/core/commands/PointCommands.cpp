#include "core/commands/Commands.h"

#include "core/commands/PhotometryCommands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/picture/AssistedPicking.h"
#include "core/picture/Overlay.h"

namespace lineora {

void AddPointAtClick(State& state, Host& host, Views& views, bool ctrl) {
    AddPointHooks hooks;
    if (state.Main.AvtoCorrectOn) {
        hooks.AutoCorrect = [&state](PicturePoint click) {
            return AutoCorrectPoint(state.Pics.Clean, state.Main.DarkLimit, click);
        };
    }
    hooks.DrawMark = [&state, &views](std::int32_t x, std::int32_t y, std::int32_t r, int c) {
        HideStepCrosshair(state, views);
        DrawCurveMark(state, x, y, c);
        views.PictureAreaChanged(QRect(x - r - 1, y - r - 1, 2 * r + 3, 2 * r + 3));
    };
    hooks.RefreshAll = [&state, &views] { RefreshAll(state, views); };
    // The photometric modes admit points by their limits and store mirrored twins; the double X
    // axis mode converts with its own ranges.
    const std::optional<DoubleAxisRanges> ranges = ModeAxisRanges(state);
    hooks.DoubleAxis = ranges ? &*ranges : nullptr;
    if (state.Main.SpecialMode == 3 || state.Main.SpecialMode == 4) {
        hooks.SpecialHook = [&state, &views] { return AdmitPhotometryPoint(state, views); };
        hooks.RebuildCompanions = [&state] { RebuildCompanionCurve(state); };
    }
    const AddPointResult result =
        AddPoint(state.Store, state.Cal, state.Setup, host, state.Messages, ctrl, hooks);
    // Joined marks and erased points need the whole overlay again: a new segment runs under
    // older marks, and an erased mark must leave the picture.
    if (result == AddPointResult::Erased ||
        (result == AddPointResult::Added && state.Store.ConnectPoints)) {
        RedrawPicture(state, views);
    }
}

void GrabPointAtClick(State& state, Views& views) {
    const int row = GrabPoint(state.Store, state.Cal.MousePicX, state.Cal.MousePicY);
    if (row == 0) {
        return;
    }
    const PixelEntry& point = state.Store.PointPixels[row][state.Store.CurrentLine];
    DrawSelectionCircle(state.Pics.Working, point.PixX, point.PixY, state.Store.MarkRadius);
    views.PictureChanged();
    views.UpdateMagnifier(point.PixX, point.PixY);
    views.RunNudge();
}

void EraseAtClick(State& state, Views& views, int tolerance, int passes) {
    const auto refresh = [&state, &views] { RefreshAll(state, views); };
    for (int pass = 0; pass < passes; ++pass) {
        ErasePoints(state.Store, state.Cal.MousePicX, state.Cal.MousePicY, tolerance, tolerance,
                    refresh, [&state] { RebuildCompanionCurve(state); });
    }
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

void ClearCurrentLine(State& state) {
    // Read before clearing: the mirrored curve depends on the current one.
    const int mirrored = MirroredCurve(state);
    ClearLine(state.Store, state.Store.CurrentLine);
    if (mirrored != 0) {
        ClearLine(state.Store, mirrored);
    }
}

namespace {

// The zone tool ready for a new zone: an empty list (the search leaves it closed), the picture
// without circles, the brush.
void ReturnToZoneBrush(State& state, Views& views) {
    ClearZones(state.ZoneList);
    SetToolMode(state, views, Tool::Zone, CursorId::ZoneBrush);
    RedrawPicture(state, views);
}

} // namespace

void FindInZone(State& state, Host& host, Views& views) {
    NameUserAction(state, MsgKey::StepZoneSearch);
    SetToolMode(state, views, Tool::None, CursorId::Arrow);
    const QString question = LoadMessage(state.Messages, MsgKey::SearchZone) +
                             LoadMessage(state.Messages, MsgKey::CurveNumber) +
                             QString::number(state.Store.CurrentLine);
    const Host::Answer answer = host.AskYesNoCancel(question);
    // The circles leave the picture through a full redraw rather than a second not-xor pass:
    // a redraw since they were painted has already removed them, and drawing them again would
    // bring them back. A refresh that fails (an axis field without a number) still gives the
    // brush back with an empty list, or it would refuse every circle from then on.
    try {
        if (answer != Host::Answer::Cancel) {
            if (answer == Host::Answer::Yes) {
                ClearCurrentLine(state);
            }
            ZoneSearch(state.ZoneList, state.Pics.Clean, state.Main.DarkLimit, state.Store);
            RefreshAll(state, views);
        }
    } catch (...) {
        ReturnToZoneBrush(state, views);
        throw;
    }
    ReturnToZoneBrush(state, views);
}

void ClearDataOfLine(State& state, Host& host, Views& views) {
    const QString question = LoadMessage(state.Messages, MsgKey::DeleteCurvePoints) +
                             QString::number(state.Store.CurrentLine) + QLatin1Char('\n') +
                             LoadMessage(state.Messages, MsgKey::CurveNumber);
    if (!host.AskYesNo(question)) {
        return;
    }
    ClearCurrentLine(state);
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

void DeleteAllLines(State& state, Views& views) {
    ClearAllLines(state.Store);
    RefreshTable(state, views);
    RedrawPicture(state, views);
}

} // namespace lineora
