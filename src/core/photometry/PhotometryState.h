#pragma once

#include "core/common/Types.h"
#include "core/photometry/LightTable.h"

#include <QString>

#include <array>

namespace lineora {

// The light-distribution dialog of a polar chart as data: what its fields hold as typed and
// which of its controls are enabled. An edit and its pick button are enabled together.
struct PolarDialogState {
    bool CrossChecked = false;
    bool LongChecked = false;
    bool CrossEnabled = false;
    bool LongEnabled = false;
    LightAngles Angles = LightAngles::All90;
    QString IntenMax = QStringLiteral("150");
    QString Int0 = QStringLiteral("0");
    QString Alfa180 = QStringLiteral("75");
    QString Upper = QStringLiteral("1");
    QString Lower = QStringLiteral("1");
    QString Right = QStringLiteral("1");
    QString Left = QStringLiteral("1");
    bool Alfa180Enabled = false;
    bool UpperEnabled = false;
    bool LowerEnabled = false;
    bool RightEnabled = false;
    bool LeftEnabled = false;
    friend bool operator==(const PolarDialogState&, const PolarDialogState&) = default;
};

// The double X axis dialog of a cartesian chart as data.
struct CartesianDialogState {
    bool Tip3Checked = false;
    bool Tip3Enabled = false;
    bool CrossChecked = true;
    bool LongChecked = true;
    bool CrossEnabled = false;
    bool LongEnabled = false;
    QString MinX1 = QStringLiteral("0");
    QString MaxX1 = QStringLiteral("10000");
    QString MinY = QStringLiteral("0");
    QString MaxY = QStringLiteral("1");
    // Chart type 3 picks both pairs' axial points; the others only the first pair's.
    bool Axis1Int0Visible = true;
    bool SetPointY1Visible = false;
    bool SetPointY2Visible = false;
    bool KoefVisible = false;
    QString Koef = QStringLiteral("0/0");
    friend bool operator==(const CartesianDialogState&, const CartesianDialogState&) = default;
};

// The two photometric modes (SpecialMode 3 polar, 4 cartesian): their dialogs and what they
// do to the main window's controls, which show these flags.
struct PhotometryState {
    int Spec3ChartType = 1; // 1 one curve, 2 two curves
    int Spec4ChartType = 1; // 1 one curve, 2 two curves, 3 two curves with the second shifted
    // How chart type 3 moved the second pair onto the first at the last table.
    Extended Spec4Scale = 1;
    Extended Spec4Shift = 0;
    PolarDialogState Spec3;
    CartesianDialogState Spec4;
    // Enabled flags of the main window's curve buttons 1..5 (entry 0 unused) and of the
    // axis-value window's toggle: the modes keep the user off the curves they fill themselves.
    std::array<bool, kCurveCount + 1> LineEnabled{true, true, true, true, true, true};
    bool ShowInputEnabled = true;
    friend bool operator==(const PhotometryState&, const PhotometryState&) = default;
};

// The dialogs' fields, for the key filter and the Enter actions.
enum class PolarField { IntenMax, Int0, Alfa180, Upper, Lower, Right, Left };
enum class CartesianField { MinX1, MaxX1, MinY, MaxY };

QString& FieldText(PolarDialogState& dialog, PolarField field);
QString& FieldText(CartesianDialogState& dialog, CartesianField field);

} // namespace lineora
