#pragma once

#include "core/common/Types.h"
#include "core/curves/PointStore.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace lineora::light {

// The layout the ILLUM database reads, shared by the polar and the cartesian tables. The
// database finds its sections by the dash lines, so every line here is kept to the character.

inline constexpr char kHeaderLine[] = "ILLUM Data Base of Light Devices.";
inline constexpr char kKindTwoCurves[] =
    "This file represents a special format of LID Table for SIMILAR symmetric light devices.";
inline constexpr char kKindOneCurve[] =
    "This file represents a special format of LID Table for AXIAL symmetric light devices.";
inline constexpr char kRuleOneCurve[] = "Arguments should be in strictly ascending order.";
inline constexpr char kRuleTwoCurves[] =
    "Arguments should be in strictly ascending order with positive values.";
inline constexpr char kWarningLine[] = "Don`t delete or change mark lines which include dashes.";
inline constexpr char kMultiplierMark[] =
    "---------- Function Multiplier ------------------------------------------------------";
inline constexpr char kColumnMarkOneCurve[] =
    "---------- Alfa ------------ I(alfa) ------------------------------------------------";
inline constexpr char kEndMark[] =
    "---------- End of File --------------------------------------------------------------";
inline constexpr char kCrossSectionMark[] =
    "---------- Cross Distribution -------------------------------------------------------";
inline constexpr char kCrossColumnMark[] =
    "--- Alfa (lower) --- I(alfa) -------------- Alfa (upper) ------- I(alfa) ------------";
inline constexpr char kLongSectionMark[] =
    "---------- Longitudinal Distribution ------------------------------------------------";
inline constexpr char kLongColumnMark[] =
    "---------- Alfa (left) --- I(alfa) -------- Alfa (right) --- I(alfa) ----------------";

// The curve that holds the special points: I0 first, then the limits.
inline constexpr int kSpecialCurve = 5;

// The limits written at the end of one plane's rows: the first pair's (lower or left half) and
// the second pair's (upper or right half), angle as X and intensity as Y.
struct PlaneLimits {
    ChartPoint First, Second;
};

// The rows of a table with one curve: I0 at angle 0, then every point of curve 1 in store
// order, then the limit row when one is given.
QStringList OneCurveLines(const PointStore& store, Extended i0,
                          const std::optional<ChartPoint>& limit);

// The rows of a table with two planes: cross from curves 2 (lower) and 1 (upper), longitudinal
// from curves 4 (left) and 3 (right). A symmetric plane is written from its second curve alone.
// Limits, when given, follow the points of each half.
QStringList TwoCurveLines(const PointStore& store, Extended i0, bool crossSymmetric,
                          bool longSymmetric, const std::optional<PlaneLimits>& crossLimits,
                          const std::optional<PlaneLimits>& longLimits);

} // namespace lineora::light
