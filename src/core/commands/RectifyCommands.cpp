#include "core/commands/RectifyCommands.h"

#include "core/commands/Commands.h"
#include "core/commands/PictureToolSupport.h"
#include "core/commands/ProgressScope.h"
#include "core/commands/UndoCommands.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/picture/Overlay.h"

#include <utility>

namespace lineora {

namespace {

constexpr std::size_t kCorners = 4;
constexpr std::int32_t kMarkRadius = 4;
constexpr TColor kMarkColour = 0x0000FF; // red

void ShowCornersLeft(State& state, Views& views) {
    const auto left = static_cast<int>(kCorners - state.Main.RectifyCorners.size());
    views.ShowStatus(kRectifyStatusPanel,
                     LoadMessage(state.Messages, MsgKey::RectifyCornersLeft).arg(left));
}

// The squared picture becomes the stored one. The old stored picture is let go before the
// redraw allocates a working image of the new size.
void KeepRectified(State& state, const RectifyPlan& plan) {
    const QRect& frame = plan.Frame;
    const std::int32_t right = frame.left() + frame.width();
    const std::int32_t bottom = frame.top() + frame.height();
    state.Cal.Points() = {.ZeroPointX = frame.left(),
                          .ZeroPointY = bottom,
                          .XMaxPointX = right,
                          .XMaxPointY = bottom,
                          .YMaxPointX = frame.left(),
                          .YMaxPointY = frame.top()};
    state.Pics.Clean = std::move(state.Pics.Working);
    state.Pics.Working = QImage();
    ClearAllLines(state.Store);
}

} // namespace

void EnterRectifyTool(State& state, Views& views) {
    SetToolMode(state, views, Tool::Rectify, CursorOfKind(state.Main.CursorKind));
    ShowCornersLeft(state, views);
}

void CancelRectifyTool(State& state, Views& views) {
    if (state.Main.ToolMode == Tool::Rectify) {
        SetPointMode(state, views);
    }
}

void DrawRectifyCorners(State& state) {
    if (state.Main.ToolMode != Tool::Rectify) {
        return;
    }
    for (const PicturePoint& corner : state.Main.RectifyCorners) {
        DrawMark(state.Pics.Working, corner.X, corner.Y, kMarkRadius, kMarkColour, false);
    }
}

void RectifyCornerClick(State& state, Host& host, Views& views) {
    std::vector<PicturePoint>& corners = state.Main.RectifyCorners;
    corners.push_back({state.Cal.MousePicX, state.Cal.MousePicY});
    if (corners.size() < kCorners) {
        RedrawPicture(state, views);
        ShowCornersLeft(state, views);
        return;
    }
    Quad quad;
    for (std::size_t i = 0; i < kCorners; ++i) {
        quad[i] = QPointF(corners[i].X, corners[i].Y);
    }
    corners.clear();
    views.ShowStatus(kRectifyStatusPanel, QString());
    bool asked = false;
    try {
        asked = RectifyToCorners(state, host, views, quad);
    } catch (...) {
        RedrawPicture(state, views);
        ShowCornersLeft(state, views);
        throw;
    }
    if (asked) {
        SetPointMode(state, views);
    } else {
        RedrawPicture(state, views);
        ShowCornersLeft(state, views);
    }
}

bool RectifyToCorners(State& state, Host& host, Views& views, const Quad& corners) {
    NameUserAction(state, MsgKey::StepRectify);
    if (state.Pics.Clean.isNull()) {
        return false;
    }
    try {
        OrderCorners(corners);
    } catch (const CalcError&) {
        host.ShowMessage(LoadMessage(state.Messages, MsgKey::RectifyNotConvex));
        return false;
    }
    // A frame too large for a picture is refused before anything changes.
    const RectifyPlan plan =
        PlanRectify(corners, state.Pics.PictureWidth, state.Pics.PictureHeight);
    if (!PrepareFrameBuffer(state.Pics.Working, plan.Size)) {
        host.ShowMessage(NoMemoryText(QStringLiteral("rectify"), state.Pics.PictureWidth,
                                      state.Pics.PictureHeight));
        return false;
    }
    state.Pics.CrosshairOnWorking.reset(); // the squared picture replaces every pixel
    state.Pics.PictureWidth = plan.Size.width();
    state.Pics.PictureHeight = plan.Size.height();
    views.ViewScaleChanged();
    try {
        ProgressScope scope(host, plan.Size.height());
        RectifyPicture(state.Pics.Clean, plan, state.Pics.Working, scope.Reporter(&views));
    } catch (...) {
        ShowStoredSize(state, views);
        throw;
    }
    const bool keep = host.AskYesNo(LoadMessage(state.Messages, MsgKey::KeepRectifiedPicture));
    if (keep) {
        KeepRectified(state, plan);
    } else {
        ShowStoredSize(state, views);
    }
    RedrawPicture(state, views);
    if (keep) {
        RefreshTable(state, views); // the emptied curves leave the table and the text output
    }
    return true;
}

} // namespace lineora
