#include "core/picture/AssistedPicking.h"

#include "core/common/Rounding.h"
#include "core/curves/PointStore.h"
#include "core/picture/OverlayPainting.h"
#include "core/picture/PixelAccess.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace lineora {

namespace {

// A scan ray: pixel k (1..11) lies at centre + (X0 + DX * k, Y0 + DY * k).
struct Ray {
    int X0, Y0, DX, DY;
};

// Eight rays through the centre, each 11 pixels long, in scan order.
constexpr std::array<Ray, 8> kRays{{
    {0, -5, 0, 1},
    {5, -5, -1, 1},
    {5, 0, -1, 0},
    {5, 5, -1, -1},
    {0, 5, 0, -1},
    {-5, 5, 1, -1},
    {-5, 0, 1, 0},
    {-5, -5, 1, 1},
}};
constexpr int kRayLength = 11;

constexpr std::int32_t kZoneSpacing = 11; // x plus y distance between painted circles
constexpr std::int32_t kZoneEnd = 1000;   // ZoneCount stops here: circles use 1..999
constexpr std::size_t kZoneSlots = std::tuple_size_v<decltype(Zones::ZoneFlag)>;

bool IsInk(const QImage& clean, const InkLimits& limits, std::int64_t x, std::int64_t y) {
    const QRgb rgb = pixels::RgbAt(clean, x, y);
    return qRed(rgb) < limits.Red && qGreen(rgb) < limits.Green && qBlue(rgb) < limits.Blue;
}

// Sum of the ink pixels found on the rays around a centre.
struct InkSum {
    std::int64_t Count = 0, SumX = 0, SumY = 0;

    void Add(std::int64_t x, std::int64_t y) {
        ++Count;
        SumX += x;
        SumY += y;
    }
    PicturePoint Centre() const {
        return {RoundHalfEven(static_cast<Extended>(SumX) / Count),
                RoundHalfEven(static_cast<Extended>(SumY) / Count)};
    }
};

// Every ink pixel of every ray, or only the first of each ray.
enum class RayHits { All, FirstOnly };

InkSum ScanRays(const QImage& clean, const InkLimits& limits, std::int64_t cx, std::int64_t cy,
                RayHits hits) {
    InkSum sum;
    for (const Ray& ray : kRays) {
        for (int k = 1; k <= kRayLength; ++k) {
            const std::int64_t x = cx + ray.X0 + ray.DX * k;
            const std::int64_t y = cy + ray.Y0 + ray.DY * k;
            if (IsInk(clean, limits, x, y)) {
                sum.Add(x, y);
                if (hits == RayHits::FirstOnly) {
                    break;
                }
            }
        }
    }
    return sum;
}

std::int32_t CircleEnd(const Zones& zones) {
    return std::clamp<std::int32_t>(zones.ZoneCount, 1, kZoneEnd);
}

} // namespace

PicturePoint AutoCorrectPoint(const QImage& clean, const InkLimits& limits, PicturePoint click) {
    QImage holder;
    const InkSum sum =
        ScanRays(pixels::As32Bit(clean, holder), limits, click.X, click.Y, RayHits::FirstOnly);
    return sum.Count > 0 ? sum.Centre() : click;
}

bool AddZoneCircle(Zones& zones, QImage& working, std::int32_t x, std::int32_t y) {
    const std::int64_t distance = std::llabs(std::int64_t{zones.ZoneLastX} - x) +
                                  std::llabs(std::int64_t{zones.ZoneLastY} - y);
    if (distance < kZoneSpacing || zones.ZoneCount >= kZoneEnd || zones.ZoneCount < 1) {
        return false;
    }
    DrawZoneCircle(working, x, y);
    zones.ZoneLastX = x;
    zones.ZoneLastY = y;
    const std::int32_t i = zones.ZoneCount;
    zones.ZoneX[i] = x;
    zones.ZoneY[i] = y;
    zones.ZoneFlag[i] = 1;
    zones.ZoneCount = i + 1;
    return true;
}

void EraseZoneCircles(const Zones& zones, QImage& working) {
    const std::int32_t end = CircleEnd(zones);
    if (working.isNull() || end <= 1) {
        return;
    }
    QPainter painter(&working);
    for (std::int32_t i = 1; i < end; ++i) {
        overlay::ZoneCircle(painter, zones.ZoneX[i], zones.ZoneY[i]);
    }
}

void ClearZones(Zones& zones) {
    zones.ZoneCount = 1;
    zones.ZoneFlag.fill(0);
}

void ZoneSearch(Zones& zones, const QImage& clean, const InkLimits& limits, PointStore& store) {
    QImage holder;
    const QImage& picture = pixels::As32Bit(clean, holder);
    const int c = store.CurrentLine;
    const std::int32_t end = CircleEnd(zones);
    for (std::int32_t i = 1; i < end; ++i) {
        const InkSum sum = ScanRays(picture, limits, zones.ZoneX[i], zones.ZoneY[i], RayHits::All);
        if (sum.Count > 0 && PointCount(store, c) < kHandPickedCapacity) {
            const PicturePoint centre = sum.Centre();
            AppendPoint(store, c, centre.X, centre.Y);
        }
    }
    const auto lastFlag = std::min<std::size_t>(static_cast<std::size_t>(end), kZoneSlots - 1);
    std::fill(zones.ZoneFlag.begin() + 1, zones.ZoneFlag.begin() + lastFlag + 1, 0);
    zones.ZoneCount = 0;
}

} // namespace lineora
