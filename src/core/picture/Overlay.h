#pragma once

#include "core/calibration/Calibration.h"
#include "core/common/Settings.h"
#include "core/common/Types.h"

#include <QImage>
#include <QRegion>

#include <cstdint>
#include <optional>

namespace lineora {

struct PointStore;

// How a figure meets the picture. Not-xor drawn twice restores every pixel, so selection
// circles, zone circles and inverting axes can be removed by drawing them again; not (the
// step-X crosshair) likewise. Antialiasing is always off.
enum class PenMode { Copy, NotXor, Not };

// The axes through the three reference points, as TypeOfCurve asks (1 cartesian, 2 polar,
// else nothing). The polar overlay recomputes the axis angles first.
// Given a region, only the pixels inside it are painted, exactly as the whole drawing paints
// them there (a redraw of a few marks' places).
void DrawAxes(QImage& working, Calibration& cal, const Settings& settings,
              const QRegion& only = QRegion());

// Every pixel DrawAxes may paint, for cartesian axes along the picture's rows and columns (an
// empty region for a chart kind that draws none); nothing for slanted or polar axes, whose
// places are no few strips.
std::optional<QRegion> AxesArea(const Calibration& cal, const Settings& settings,
                                const QRect& picture);

// Every pixel a mark of radius r at (x, y) may paint, within the picture.
QRect MarkArea(std::int64_t x, std::int64_t y, std::int64_t r, const QRect& picture);

// One point mark: the circle in the box (x - r, y - r) .. (x + r + 1, y + r + 1) in the
// curve's colour, filled when asked, with its centre pixel black.
void DrawMark(QImage& working, std::int32_t x, std::int32_t y, std::int32_t r, TColor color,
              bool filled);

// Every stored point of every curve, curve 1 first, with segments when ConnectPoints is on.
void RedrawMarks(QImage& working, const PointStore& store, const Settings& settings,
                 const QRegion& only = QRegion());

// The step-X crosshair in the not pen: lines from (x - 5, y) toward (x + 5, y) and from
// (x, y - 5) toward (x, y + 5), each leaving out its last pixel as every overlay line does.
void DrawStepCrosshair(QImage& working, std::int32_t x, std::int32_t y);

// A zone circle of radius 10 in red, not-xor.
void DrawZoneCircle(QImage& working, std::int32_t x, std::int32_t y);

// The selection circle around a point picked for nudging: pure blue, not-xor.
void DrawSelectionCircle(QImage& working, std::int32_t x, std::int32_t y, std::int32_t r);

} // namespace lineora
