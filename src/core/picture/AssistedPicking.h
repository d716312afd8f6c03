#pragma once

#include "core/common/Types.h"

#include <QImage>

#include <array>
#include <cstdint>

namespace lineora {

struct PointStore;

// A pixel is ink when each of its components is below the limit (200 after a reset).
struct InkLimits {
    std::int32_t Red = 200;
    std::int32_t Green = 200;
    std::int32_t Blue = 200;
};

// The circles painted along a curve for a zone search; indices 1..999 hold circles.
struct Zones {
    std::int32_t ZoneCount = 1; // next free index; 1 = no circle
    std::array<std::int32_t, 1002> ZoneX{};
    std::array<std::int32_t, 1002> ZoneY{};
    std::array<std::int32_t, 1002> ZoneFlag{};
    std::int32_t ZoneLastX = 0;
    std::int32_t ZoneLastY = 0;
};

// Pulls a click onto nearby ink: the first ink pixel of each of the eight 11-pixel rays,
// averaged and rounded half to even. Without ink the position stays.
PicturePoint AutoCorrectPoint(const QImage& clean, const InkLimits& limits, PicturePoint click);

// Adds a circle when the move is at least 11 pixels (x plus y) from the last one and fewer than
// 999 circles exist; draws it on the working image. Returns whether it added one.
bool AddZoneCircle(Zones& zones, QImage& working, std::int32_t x, std::int32_t y);

// Draws every listed circle again, which removes them from the working image; the list stays.
void EraseZoneCircles(const Zones& zones, QImage& working);

// Forgets every circle: ZoneCount 1, every flag 0.
void ClearZones(Zones& zones);

// One point per circle at the centre of all ink on its rays, appended to the current curve
// while it holds fewer than 999 points. Leaves ZoneCount 0 with every flag cleared.
void ZoneSearch(Zones& zones, const QImage& clean, const InkLimits& limits, PointStore& store);

} // namespace lineora
