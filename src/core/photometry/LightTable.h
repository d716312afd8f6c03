#pragma once

#include "core/common/Types.h"
#include "core/curves/PointStore.h"

#include <QString>
#include <QStringList>

namespace lineora {

// The light-distribution tables for the ILLUM database of light devices. Curves 1..4 hold the
// halves of the two planes (1 upper and 3 right with angles >= 0, 2 lower and 4 left), curve 5
// the special points; the chart values must be current (RecomputeAllValues, special mode 3 or
// 4) before a table is written, and every table is written from freshly computed values (the
// cartesian one changes them). The lines come without line ends; a file gets CR LF after each.
// Every number is the magnitude of a value as "%8.2f" with "." whatever the system writes.

enum class LightAngles { All90, All180, Different };

// What the polar mode's dialog holds when its table is written.
struct PolarTableFields {
    int ChartType = 1; // 1 one curve, 2 two curves
    bool CrossSymmetric = false;
    bool LongSymmetric = false;
    LightAngles Angles = LightAngles::All90;
    Extended I0 = 100;
    Extended I180 = 0;
    Extended Upper = 90, Lower = 90, Right = 90, Left = 90;
};

// Writes the limiting angles and intensities the fields give into the chart values of the
// special points of curve 5 (chart type 1: point 2 only; chart type 2: I0 as point 1 and the
// limits as points 2 upper, 3 lower, 4 right, 5 left), then returns the table of the polar
// chart. Each half's limit row follows its last point. Only curve 5's values change.
QStringList PolarLightTable(PointStore& store, const PolarTableFields& fields);

struct CartesianTableFields {
    int ChartType = 1; // 1 one curve, 2 two curves, 3 two curves with the second pair shifted
    bool CrossSymmetric = true;
    bool LongSymmetric = true;
};

// How chart type 3 moved the second pair onto the first: intensity factor, angle offset and
// the "A/B=factor" text shown beside the dialog's chart type.
struct PairShift {
    Extended Scale = 1;
    Extended Shift = 0;
    QString Label;
};

// Returns the table of the cartesian chart, with I0 the intensity of point 1 of curve 5 and no
// limit rows. In chart types 2 and 3 the values of curves 2 and 4 are put in order of
// decreasing angle (their picture positions stay where they are, so the values no longer match
// them until the next recompute); chart type 3 first shifts the values of curves 3 and 4 by -X
// of point 2 of curve 5 and scales them by I0 / its Y, and reports how in *shift (which may be
// null; other chart types leave it alone). Throws CalcError, with nothing changed, when the
// second pair's axial intensity is 0; the dialog then shows "/0".
QStringList CartesianLightTable(PointStore& store, const CartesianTableFields& fields,
                                PairShift* shift);

} // namespace lineora
