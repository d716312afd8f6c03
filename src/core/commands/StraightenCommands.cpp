#include "core/commands/StraightenCommands.h"

#include "core/commands/ProgressScope.h"
#include "core/commands/UndoCommands.h"

#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/picture/Overlay.h"
#include "core/picture/StraightenGuide.h"
#include "core/picture/Straightening.h"

#include <algorithm>

namespace lineora {

namespace {

constexpr std::int32_t kCurvatureStep = 10;

void DrawGuide(State& state, Views& views) {
    if (state.Pics.Working.isNull()) {
        return;
    }
    StraightenerState& settings = state.Straightener;
    settings.Guide = ComputeStrips(state.Cal, settings.StripGap, settings.StraightenRadius);
    DrawStraightenGuide(state.Pics.Working, *settings.Guide);
    views.PictureChanged();
}

// Not-xor again with exactly the drawn geometry, whatever the settings are now.
void EraseGuide(State& state, Views& views) {
    std::optional<StripGeometry>& guide = state.Straightener.Guide;
    if (!guide) {
        return;
    }
    DrawStraightenGuide(state.Pics.Working, *guide);
    guide.reset();
    views.PictureChanged();
}

void DrawAxesOnWorking(State& state, Views& views) {
    DrawAxes(state.Pics.Working, state.Cal, state.Setup);
    views.PictureChanged();
}

// The picture's size changed: the view follows it.
void TakeCleanSize(State& state, Views& views) {
    state.Pics.PictureWidth = state.Pics.Clean.width();
    state.Pics.PictureHeight = state.Pics.Clean.height();
    views.ViewScaleChanged();
}

} // namespace

void ShowStraightenGuide(State& state, Views& views) {
    DrawAxesOnWorking(state, views);
    EraseGuide(state, views); // a guide left from an earlier showing would be doubled
    DrawGuide(state, views);
}

void HideStraightenGuide(State& state, Views& views) {
    EraseGuide(state, views);
    DrawAxesOnWorking(state, views);
}

void ChangeStripGap(State& state, Views& views, int delta) {
    EraseGuide(state, views);
    state.Straightener.StripGap += delta;
    DrawGuide(state, views);
}

void ChangeCurvature(State& state, Views& views, CurvatureArrow arrow) {
    EraseGuide(state, views);
    std::int32_t& radius = state.Straightener.StraightenRadius;
    radius = arrow == CurvatureArrow::Down ? radius + kCurvatureStep
                                           : std::max(radius - kCurvatureStep, 1);
    DrawGuide(state, views);
}

bool RunStraightening(State& state, Host& host, Views& views) {
    NameUserAction(state, MsgKey::StepStraightening);
    Pictures& pics = state.Pics;
    if (pics.Clean.isNull()) {
        return false;
    }
    // The rows are read from the clean picture only, so the whole new picture is built before
    // anything changes: a refusal or a lack of memory leaves picture and guide as they were.
    const StraightenerState& settings = state.Straightener;
    const StripGeometry strips =
        ComputeStrips(state.Cal, settings.StripGap, settings.StraightenRadius);
    const RowShiftTable shifts = BuildRowShift(strips, pics.Clean.height());
    QImage widened;
    {
        ProgressScope progress(host, pics.Clean.height());
        StraightenRows(pics.Clean, strips, shifts, widened, progress.Reporter());
    }
    // Both go with the working image they were drawn on.
    state.Straightener.Guide.reset();
    pics.CrosshairOnWorking.reset();
    pics.Working = std::move(widened);
    pics.PictureWidth = pics.Working.width();
    pics.PictureHeight = pics.Working.height();
    views.ViewScaleChanged();
    views.PictureChanged();

    const bool keep = host.AskYesNo(kStraightenQuestion);
    if (keep) {
        pics.Clean = pics.Working;
    } else {
        RestorePicture(pics);
        TakeCleanSize(state, views);
    }
    DrawGuide(state, views);
    return keep;
}

} // namespace lineora
