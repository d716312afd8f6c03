#include "core/commands/KeyFilter.h"

#include "core/commands/Commands.h"
#include "core/commands/RectifyCommands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/NumberText.h"

#include <numbers>

namespace lineora {

namespace {

struct Step {
    int dx = 0;
    int dy = 0;
};

Step ArrowStep(Key key) {
    switch (key) {
    case Key::Up:
        return {0, -1};
    case Key::Down:
        return {0, 1};
    case Key::Right:
        return {1, 0};
    case Key::Left:
        return {-1, 0};
    default:
        return {};
    }
}

PicturePoint ReferencePoint(const Calibration& cal, Tool toolMode) {
    switch (toolMode) {
    case Tool::ZeroPoint:
        return {cal.ZeroPointX, cal.ZeroPointY};
    case Tool::XMaxPoint:
        return {cal.XMaxPointX, cal.XMaxPointY};
    default:
        return {cal.YMaxPointX, cal.YMaxPointY};
    }
}

} // namespace

void MainWindowKeyDown(State& state, Host& host, Views& views, Key key) {
    if (key == Key::Q) {
        views.CloseMainWindow();
        return;
    }
    if (key == Key::Undo) {
        UndoWork(state, views);
        return;
    }
    if (key == Key::Redo) {
        RedoWork(state, views);
        return;
    }
    const Tool mode = state.Main.ToolMode;
    if (key == Key::Escape && mode == Tool::Rectify) {
        CancelRectifyTool(state, views);
        return;
    }
    const Step step = ArrowStep(key);
    if (mode == Tool::SetPoint) {
        if (key == Key::Space) {
            state.Cal.MousePicX = state.Main.HoverPicX;
            state.Cal.MousePicY = state.Main.HoverPicY;
            AddPointAtClick(state, host, views, false);
        } else {
            views.MovePointerBy(step.dx, step.dy);
        }
    } else if (mode == Tool::ZeroPoint || mode == Tool::XMaxPoint || mode == Tool::YMaxPoint) {
        const PicturePoint point = ReferencePoint(state.Cal, mode);
        state.Cal.MousePicX = point.X + step.dx;
        state.Cal.MousePicY = point.Y + step.dy;
        SetReferencePoint(state, views, mode);
    }
    if (state.Main.ShowZoom) {
        views.UpdateMagnifier(state.Main.HoverPicX, state.Main.HoverPicY);
    }
    views.ShowStatus(3, FormatPattern(QStringLiteral(" (%3.6f)"),
                                      {state.Cal.AxisAngleX * 180 / std::numbers::pi_v<Extended>}));
}

} // namespace lineora
