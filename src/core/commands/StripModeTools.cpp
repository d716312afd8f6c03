// The strip-sampling window's long operations: the two searches, the approximation, the grid
// clearing and the table.

#include "core/commands/Commands.h"
#include "core/commands/ProgressScope.h"
#include "core/commands/StripModeCommands.h"

namespace lineora {

namespace {

// The logic reports rows done of a total; the progress bar counts in per mille.
constexpr int kProgressSteps = 1000;

RowProgress PerMille(const std::function<void(int)>& report) {
    return [report](int done, int total) {
        const std::int64_t scaled =
            total > 0 ? static_cast<std::int64_t>(done) * kProgressSteps / total : 0;
        report(static_cast<int>(scaled));
    };
}

// The searches read the picture as scanned, without the overlay, the marks or the axes;
// afterwards the overlay is back.
void WithoutOverlay(State& state, Views& views, const std::function<void()>& search) {
    StripSamplingState& mode = state.StripSampling;
    mode.ShowStrips = false;
    mode.ShowSearchLines = false;
    // The marks of an earlier search and the axes sit on the very pixels a trace is found
    // by; a repeated search has to see the picture as scanned, or it loses what it found.
    RestorePicture(state.Pics);
    views.PictureChanged();
    try {
        search();
    } catch (...) {
        mode.ShowStrips = mode.ShowSearchLines = true;
        RedrawPicture(state, views);
        throw;
    }
    mode.ShowStrips = mode.ShowSearchLines = true;
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

} // namespace

void FindStripsByColour(State& state, Host& host, Views& views) {
    const StripGeometry strips = CurrentStrips(state);
    WithoutOverlay(state, views, [&] {
        const StripSamplingState& mode = state.StripSampling;
        ProgressScope scope(host, kProgressSteps);
        SearchByColour(state.Store, state.Pics.Clean, state.Pics.Working, strips,
                       mode.SpecLineColors, mode.LineDensity, mode.SearchLineCount,
                       PerMille(scope.Reporter()));
    });
}

void FindStripsRed(State& state, Host& host, Views& views) {
    const StripGeometry strips = CurrentStrips(state);
    WithoutOverlay(state, views, [&] {
        ProgressScope scope(host, kProgressSteps);
        SearchRedInk(state.Store, state.Pics.Clean, strips, state.StripSampling.SearchLineCount,
                     PerMille(scope.Reporter()));
    });
}

void ApproximateStrips(State& state, Views& views) {
    ApproximateSamples(state.Store, CurrentStrips(state), state.StripSampling.SearchLineCount);
    state.StripSampling.ShowSearchLines = true;
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

void ClearStripGrid(State& state, Host& host, Views& views) {
    if (state.Pics.Clean.isNull()) {
        return;
    }
    const StripGeometry strips = CurrentStrips(state);
    RestorePicture(state.Pics);
    try {
        ProgressScope scope(host, kProgressSteps);
        ClearGridRows(state.Pics.Working, strips, state.Cal.ZeroPointX, state.Cal.XMaxPointX,
                      state.StripSampling.ClearKoef, PerMille(scope.Reporter(&views)));
    } catch (...) {
        RedrawPicture(state, views);
        throw;
    }
    AskToKeepWorkingPicture(state, host, views);
    state.StripSampling.ShowSearchLines = true;
    RedrawPicture(state, views);
}

void SaveStripTable(State& state, Host& host) {
    const QString text = BuildStripTableText(state.Store, state.Cal, CurrentStrips(state),
                                             state.StripSampling.SearchLineCount, state.Setup.StepX,
                                             state.Setup.Separator);
    SaveExportText(state, host, text);
}

} // namespace lineora
