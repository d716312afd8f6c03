#include "core/commands/Commands.h"
#include "core/commands/UndoCommands.h"
#include "core/picture/Overlay.h"

#include <algorithm>

namespace lineora {

namespace {

// Beyond this many marks a whole redraw costs no more than the places one by one.
constexpr int kMostDamagedMarks = 64;

// Beyond this many marks a region of their places costs more to build than it saves.
constexpr int kMostAreaMarks = 512;

// The working image shows the clean copy, the axes and the marks and nothing else, so that
// redrawing those in a region gives there what a whole redraw gives.
bool ShowsOnlyAxesAndMarks(const State& state) {
    const Pictures& pics = state.Pics;
    return !pics.Clean.isNull() && pics.Working.size() == pics.Clean.size() &&
           pics.Working.format() == pics.Clean.format() && pics.Clean.depth() % 8 == 0 &&
           state.Main.SpecialMode == 0 && !state.StripSampling.ArcFlag &&
           !state.Straightener.Guide && state.ZoneList.ZoneCount <= 1 &&
           state.Main.RectifyCorners.empty() && !state.Store.PointSelected &&
           !state.Store.ConnectPoints;
}

// ... and the step leaves the picture, the axes and the way marks are drawn as they are.
bool OnlyMarksChange(const State& state, const UndoSnapshot& work) {
    return ShowsOnlyAxesAndMarks(state) && state.Pics.Clean.cacheKey() == work.Picture.Key &&
           state.Cal.Points() == work.Cal.Points() &&
           state.Setup.XDirection == work.Values.XDirection &&
           state.Setup.TypeOfCurve == work.Values.TypeOfCurve && work.SpecialMode == 0;
}

} // namespace

std::optional<QRegion> MarksOnlyDamage(const State& state, const UndoSnapshot& work) {
    if (!OnlyMarksChange(state, work)) {
        return std::nullopt;
    }
    const PointStore& store = state.Store;
    const std::int64_t r = store.MarkRadius;
    const QRect picture = state.Pics.Clean.rect();
    QRegion damage;
    int marks = 0;
    const auto add = [&](const PixelEntry& p) {
        damage += MarkArea(p.PixX, p.PixY, r, picture);
        ++marks;
    };
    static const CurveRows kNone;
    for (int c = 1; c <= kCurveCount; ++c) {
        const std::shared_ptr<const CurveRows>& kept = work.Curves[static_cast<std::size_t>(c)];
        const CurveRows& rows = kept ? *kept : kNone;
        const auto shown = static_cast<std::size_t>(
            std::clamp(store.LineNext[c], kFirstRow, kLineNextCeiling) - kFirstRow);
        for (std::size_t i = 0; i < std::max(shown, rows.size()); ++i) {
            const PixelEntry* before = i < shown ? &store.PointPixels[i + kFirstRow][c] : nullptr;
            const PixelEntry* after = i < rows.size() ? &rows[i] : nullptr;
            if (before != nullptr && after != nullptr && *before == *after) {
                continue;
            }
            for (const PixelEntry* p : {before, after}) {
                if (p != nullptr) {
                    add(*p);
                }
            }
            if (marks > kMostDamagedMarks) {
                return std::nullopt;
            }
        }
    }
    return damage;
}

std::optional<QRegion> AxesAndCurveArea(const State& state, int curve) {
    if (!ShowsOnlyAxesAndMarks(state)) {
        return std::nullopt;
    }
    const QRect picture = state.Pics.Clean.rect();
    std::optional<QRegion> area = AxesArea(state.Cal, state.Setup, picture);
    const int end = std::clamp(state.Store.LineNext[curve], kFirstRow, kLineNextCeiling);
    if (!area || end - kFirstRow > kMostAreaMarks) {
        return std::nullopt;
    }
    for (int row = kFirstRow; row < end; ++row) {
        const PixelEntry& p = state.Store.PointPixels[row][curve];
        *area += MarkArea(p.PixX, p.PixY, state.Store.MarkRadius, picture);
    }
    return area;
}

} // namespace lineora
