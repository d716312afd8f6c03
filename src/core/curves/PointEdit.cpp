#include "core/common/MessageKeys.h"
#include "core/curves/PointStore.h"

#include <cassert>
#include <cstdlib>

namespace lineora {

namespace {

// Differences in 64 bits: positions nudged far off the picture must not overflow.
bool Near(const PixelEntry& p, std::int32_t x, std::int32_t y, std::int64_t tolX,
          std::int64_t tolY) {
    return std::llabs(std::int64_t{p.PixX} - x) <= tolX &&
           std::llabs(std::int64_t{p.PixY} - y) <= tolY;
}

// Within one pixel in both directions counts as the same spot: a shaky double click.
bool HasPointAt(const PointStore& store, int c, std::int32_t x, std::int32_t y) {
    for (int row = kFirstRow; row < store.LineNext[c]; ++row) {
        if (Near(store.PointPixels[row][c], x, y, 1, 1)) {
            return true;
        }
    }
    return false;
}

// Closes the gap at `row`; the row behind the last point is zero, so the last row freed
// becomes zero too. Values are derived and are rebuilt by the refresh that follows.
void RemoveRow(PointStore& store, int c, int row) {
    for (int r = row; r < store.LineNext[c]; ++r) {
        store.PointPixels[r][c] = store.PointPixels[r + 1][c];
    }
    --store.LineNext[c];
}

} // namespace

AddPointResult AddPoint(PointStore& store, Calibration& cal, const Settings& settings, Host& host,
                        const MessageCatalog& catalog, bool ctrlLeft, const AddPointHooks& hooks) {
    store.AcceptPoint = true;
    const int c = store.CurrentLine;
    if (ctrlLeft) {
        ErasePoints(store, cal.MousePicX, cal.MousePicY, 4, 4, hooks.RefreshAll,
                    hooks.RebuildCompanions);
        return AddPointResult::Erased;
    }
    if (store.LineNext[c] > kHandPickedCapacity) {
        host.ShowMessage(LoadMessage(catalog, MsgKey::CurveFull));
        return AddPointResult::Full;
    }
    if (HasPointAt(store, c, cal.MousePicX, cal.MousePicY)) {
        return AddPointResult::Duplicate;
    }
    // The corrected position is taken as it comes: it may land on a stored point on purpose.
    if (hooks.AutoCorrect) {
        const PicturePoint corrected = hooks.AutoCorrect({cal.MousePicX, cal.MousePicY});
        cal.MousePicX = corrected.X;
        cal.MousePicY = corrected.Y;
    }
    const ChartPoint value =
        PictureToChart(cal, settings, cal.MousePicX, cal.MousePicY, 1, hooks.DoubleAxis);
    cal.CursorValueX = value.X;
    cal.CursorValueY = value.Y;

    if (hooks.SpecialHook) {
        store.AcceptPoint = hooks.SpecialHook();
    }
    if (!store.AcceptPoint) {
        return AddPointResult::Vetoed;
    }
    // Read after the hook, which may have replaced the click by its mirror.
    const std::int32_t x = cal.MousePicX;
    const std::int32_t y = cal.MousePicY;
    if (!AppendPoint(store, c, x, y)) {
        return AddPointResult::Full;
    }
    if (hooks.DrawMark) {
        hooks.DrawMark(x, y, store.MarkRadius, c);
    }
    if (hooks.RefreshAll) {
        hooks.RefreshAll();
    }
    return AddPointResult::Added;
}

int ErasePoints(PointStore& store, std::int32_t x, std::int32_t y, std::int32_t tolX,
                std::int32_t tolY, const std::function<void()>& refreshAll,
                const std::function<void()>& afterRemoval) {
    const int c = store.CurrentLine;
    assert(c >= 1 && c <= kCurveCount);
    const int scanEnd = store.LineNext[c];
    int removed = 0;
    // Rows freed by earlier removals in this pass hold no point and are not examined.
    for (int row = kFirstRow; row < scanEnd && row < store.LineNext[c]; ++row) {
        if (!Near(store.PointPixels[row][c], x, y, tolX, tolY)) {
            continue;
        }
        RemoveRow(store, c, row);
        ++removed;
        if (refreshAll) {
            refreshAll();
        }
        if (afterRemoval) {
            afterRemoval();
        }
    }
    return removed;
}

int GrabPoint(PointStore& store, std::int32_t x, std::int32_t y) {
    const int c = store.CurrentLine;
    assert(c >= 1 && c <= kCurveCount);
    int found = 0;
    for (int row = kFirstRow; row < store.LineNext[c]; ++row) {
        if (Near(store.PointPixels[row][c], x, y, 2, 2)) {
            found = row;
        }
    }
    if (found != 0) {
        store.PointSelected = true;
        store.SelectedLine = c;
        store.SelectedRow = found;
    }
    return found;
}

} // namespace lineora
