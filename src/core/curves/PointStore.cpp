#include "core/curves/PointStore.h"

#include <cassert>

namespace lineora {

void ClearLine(PointStore& store, int c) {
    assert(c >= 1 && c <= kCurveCount);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        store.PointPixels[row][c] = PixelEntry{};
        store.PointValues[row][c] = ValueEntry{};
    }
    store.LineNext[c] = 1;
}

void ClearAllLines(PointStore& store) {
    for (int c = 1; c <= kCurveCount; ++c) {
        ClearLine(store, c);
    }
}

bool AppendPoint(PointStore& store, int c, std::int32_t px, std::int32_t py) {
    assert(c >= 1 && c <= kCurveCount);
    const std::int32_t row = store.LineNext[c];
    if (row >= kLineNextCeiling) {
        return false;
    }
    store.PointPixels[row][c] = PixelEntry{1, px, py};
    store.LineNext[c] = row + 1;
    return true;
}

} // namespace lineora
