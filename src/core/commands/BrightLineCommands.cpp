#include "core/commands/BrightLineCommands.h"

#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"

namespace lineora {

namespace {

// A picture opened, pasted, rotated or straightened while the mode is on may be wider than
// the table was made for: it grows to the picture before it is shown (a trace grows it too).
void FitTable(State& state) {
    SizeBrightLineTable(state.BrightLines, state.Pics.PictureWidth);
}

bool InsidePicture(const Pictures& pictures, std::int32_t x, std::int32_t y) {
    return !pictures.Clean.isNull() && x >= 0 && y >= 0 && x < pictures.Clean.width() &&
           y < pictures.Clean.height();
}

} // namespace

void EnterBrightLineMode(State& state, Host& host, Views& views) {
    // Its curve buttons and table would otherwise stay as that mode left them, with no way
    // back once this mode ends.
    const int other = state.Main.SpecialMode;
    if ((other == 3 && !ClosePolarMode(state, host, views)) ||
        (other == 4 && !CloseCartesianMode(state, host, views))) {
        return;
    }
    const bool fresh = state.Main.SpecialMode != kBrightLineMode;
    SetToolMode(state, views, Tool::BrightLine, CursorOfKind(state.Main.CursorKind));
    SetScaleIndex(state, views, kScaleOneToOne);
    state.Main.SpecialMode = kBrightLineMode;
    FitTable(state);
    // Only a window that was not open yet starts the current line afresh; the button pressed
    // again while tracing keeps what was traced.
    if (fresh) {
        ClearBrightLine(state.BrightLines, state.Store.CurrentLine);
    }
    views.ControlsChanged();
}

void BrightLineClick(State& state, Host& host, Views& views) {
    const std::int32_t x = state.Cal.MousePicX;
    const std::int32_t y = state.Cal.MousePicY;
    // Beside the picture there is no line to start from.
    const TraceOutcome outcome =
        InsidePicture(state.Pics, x, y)
            ? TraceBrightLine(state.BrightLines, state.Pics.Clean, state.Store.CurrentLine, x, y)
            : TraceOutcome::NotBright;
    switch (outcome) {
    case TraceOutcome::NotBright:
        host.ShowMessage(LoadMessage(state.Messages, MsgKey::NoBrightLine));
        return;
    case TraceOutcome::RunFailed:
        host.ShowMessage(LoadMessage(state.Messages, MsgKey::LineAtEdge));
        return;
    case TraceOutcome::Traced:
        break;
    }
    RedrawPicture(state, views);
}

void BridgeBrightLine(State& state, Views& views) {
    BridgeGaps(state.BrightLines, state.Store.CurrentLine);
    RedrawPicture(state, views);
}

void SmoothBrightLine(State& state, Views& views) {
    SmoothLine(state.BrightLines, state.Store.CurrentLine);
    RedrawPicture(state, views);
}

void ResetBrightLines(State& state, Views& views) {
    ClearAllBrightLines(state.BrightLines);
    RedrawPicture(state, views);
}

void PrepareBrightLineTable(State& state, Views& views) {
    FitTable(state);
    RedrawPicture(state, views);
}

void CloseBrightLineMode(State& state, Views& views) {
    state.StripSampling.ArcFlag = false;
    state.Main.SpecialMode = 0;
    // The button that releases every tool; the tool's crosshair comes back with it.
    SetToolMode(state, views, Tool::None, CursorId::Diag);
}

} // namespace lineora
