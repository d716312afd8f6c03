#pragma once

#include "core/curves/PointStore.h"

namespace lineora::test {

// Appends a point whose values are given, as if a refresh had just computed them.
inline void PutPoint(PointStore& store, int c, Extended x, Extended y, int px = 0, int py = 0) {
    const int row = store.LineNext[c];
    AppendPoint(store, c, px, py);
    store.PointValues[row][c] = ValueEntry{1, x, y};
}

// Curve 1 with two points, curve 2 with three; pixels are ten times the values plus the curve.
inline PointStore TwoCurves() {
    PointStore store;
    PutPoint(store, 1, 1.5L, -2, 11, 12);
    PutPoint(store, 1, 2.5L, 0.25L, 21, 22);
    PutPoint(store, 2, 12.5L, 100000, 31, 32);
    PutPoint(store, 2, 13, 0.0000015L, 41, 42);
    PutPoint(store, 2, 14, 1e20L, 51, 52);
    return store;
}

} // namespace lineora::test
