#include "core/commands/UndoCommands.h"

#include <algorithm>

namespace lineora {

namespace {

// Beyond this many marks a whole redraw costs no more than the places one by one.
constexpr int kMostDamagedMarks = 64;

// The working image shows the clean copy, the axes and the marks and nothing else, and the
// step leaves the picture, the axes and the way marks are drawn as they are.
bool OnlyMarksChange(const State& state, const UndoSnapshot& work) {
    const Pictures& pics = state.Pics;
    return !pics.Clean.isNull() && pics.Clean.cacheKey() == work.Picture.Key &&
           pics.Working.size() == pics.Clean.size() &&
           pics.Working.format() == pics.Clean.format() && pics.Clean.depth() % 8 == 0 &&
           state.Cal.Points() == work.Cal.Points() &&
           state.Setup.XDirection == work.Values.XDirection &&
           state.Setup.TypeOfCurve == work.Values.TypeOfCurve && state.Main.SpecialMode == 0 &&
           work.SpecialMode == 0 && !state.StripSampling.ArcFlag && !state.Straightener.Guide &&
           state.ZoneList.ZoneCount <= 1 && state.Main.RectifyCorners.empty() &&
           !state.Store.PointSelected && !state.Store.ConnectPoints;
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
    // A mark paints inside (x - r, y - r) .. (x + r + 1, y + r + 1); one pixel more for the pen.
    const auto add = [&](const PixelEntry& p) {
        const std::int64_t left = std::clamp<std::int64_t>(p.PixX - r - 1, -1, picture.width());
        const std::int64_t top = std::clamp<std::int64_t>(p.PixY - r - 1, -1, picture.height());
        const std::int64_t right = std::clamp<std::int64_t>(p.PixX + r + 2, -1, picture.width());
        const std::int64_t bottom = std::clamp<std::int64_t>(p.PixY + r + 2, -1, picture.height());
        damage += QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                        QPoint(static_cast<int>(right), static_cast<int>(bottom)))
                      .intersected(picture);
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

} // namespace lineora
