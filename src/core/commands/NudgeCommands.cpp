#include "core/commands/Commands.h"

#include "core/picture/Overlay.h"

namespace lineora {

namespace {

PixelEntry* SelectedPoint(PointStore& store) {
    if (!store.PointSelected || store.SelectedLine < 1 || store.SelectedLine > kCurveCount ||
        store.SelectedRow < kFirstRow || store.SelectedRow > kLastRow) {
        return nullptr;
    }
    return &store.PointPixels[static_cast<std::size_t>(store.SelectedRow)]
                             [static_cast<std::size_t>(store.SelectedLine)];
}

// The picture pixels a selection circle of radius r around (x, y) may touch.
QRect CircleArea(std::int32_t x, std::int32_t y, std::int32_t r) {
    return {x - r - 1, y - r - 1, 2 * r + 3, 2 * r + 3};
}

} // namespace

void NudgeSelectedPoint(State& state, Views& views, int dx, int dy) {
    PixelEntry* point = SelectedPoint(state.Store);
    if (point == nullptr) {
        return;
    }
    const std::int32_t r = state.Store.MarkRadius;
    const QRect before = CircleArea(point->PixX, point->PixY, r);
    // The circle is not-xor: drawing it again where it stands takes it off the picture.
    DrawSelectionCircle(state.Pics.Working, point->PixX, point->PixY, r);
    point->PixX += dx;
    point->PixY += dy;
    DrawSelectionCircle(state.Pics.Working, point->PixX, point->PixY, r);
    views.PictureAreaChanged(before.united(CircleArea(point->PixX, point->PixY, r)));
    views.UpdateMagnifier(point->PixX, point->PixY);
}

void FinishNudge(State& state, Views& views) {
    if (!state.Store.PointSelected) {
        return;
    }
    state.Store.PointSelected = false;
    // A full redraw rather than erasing the circle and drawing the one mark: it takes the
    // circle and the mark at the old place off together, and it draws inverting axes once
    // instead of toggling the copy already on the picture.
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

} // namespace lineora
