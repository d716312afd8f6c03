#include "core/commands/PhotometryCommands.h"

#include "core/commands/Commands.h"
#include "core/commands/PhotometrySupport.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"

namespace lineora {

namespace {

QString TableText(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

// The polar dialog's numbers as its table needs them; fields the angle setting does not read
// are not parsed, so a disabled field cannot stop the table.
PolarTableFields PolarFieldsForTable(const State& state) {
    const PolarDialogState& dialog = state.Photometry.Spec3;
    PolarTableFields fields;
    fields.ChartType = state.Photometry.Spec3ChartType;
    fields.CrossSymmetric = dialog.CrossChecked;
    fields.LongSymmetric = dialog.LongChecked;
    fields.Angles = dialog.Angles;
    fields.I0 = FieldNumber(state, dialog.Int0, MsgKey::FieldInt0);
    if (dialog.Angles == LightAngles::All180) {
        fields.I180 = FieldNumber(state, dialog.Alfa180, MsgKey::FieldAlfa180);
    }
    if (dialog.Angles != LightAngles::Different) {
        return fields;
    }
    fields.Upper = FieldNumber(state, dialog.Upper, MsgKey::FieldUpper);
    if (fields.ChartType == 1) {
        return fields;
    }
    fields.Lower =
        fields.CrossSymmetric ? fields.Upper : FieldNumber(state, dialog.Lower, MsgKey::FieldLower);
    fields.Right = FieldNumber(state, dialog.Right, MsgKey::FieldRight);
    fields.Left =
        fields.LongSymmetric ? fields.Right : FieldNumber(state, dialog.Left, MsgKey::FieldLeft);
    return fields;
}

void RefreshCartesianTable(State& state) {
    PhotometryState& modes = state.Photometry;
    const CartesianTableFields fields{modes.Spec4ChartType, modes.Spec4.CrossChecked,
                                      modes.Spec4.LongChecked};
    PairShift shift;
    QStringList lines;
    try {
        lines = CartesianLightTable(state.Store, fields, &shift);
    } catch (const CalcError&) {
        // Only the shift divides: the second pair's axial intensity is 0.
        modes.Spec4.Koef = QStringLiteral("/0");
        throw CalcError(LoadMessage(state.Messages, MsgKey::ShiftAxialZero));
    }
    if (modes.Spec4ChartType == 3) {
        modes.Spec4Scale = shift.Scale;
        modes.Spec4Shift = shift.Shift;
        modes.Spec4.Koef = shift.Label;
    }
    state.Output.MemoText = TableText(lines);
}

} // namespace

std::optional<DoubleAxisRanges> ModeAxisRanges(const State& state) {
    if (state.Main.SpecialMode != 4) {
        return std::nullopt;
    }
    const CartesianDialogState& dialog = state.Photometry.Spec4;
    DoubleAxisRanges ranges;
    ranges.MinX1 = static_cast<double>(FieldNumber(state, dialog.MinX1, MsgKey::FieldMinX1));
    ranges.MaxX1 = static_cast<double>(FieldNumber(state, dialog.MaxX1, MsgKey::FieldMaxX1));
    ranges.MinY = static_cast<double>(FieldNumber(state, dialog.MinY, MsgKey::FieldMinY));
    ranges.MaxY = static_cast<double>(FieldNumber(state, dialog.MaxY, MsgKey::FieldMaxY));
    return ranges;
}

void RefreshPhotometryTable(State& state) {
    if (state.Main.SpecialMode == 3) {
        const PolarTableFields fields = PolarFieldsForTable(state);
        state.Output.MemoText = TableText(PolarLightTable(state.Store, fields));
    } else if (state.Main.SpecialMode == 4) {
        RefreshCartesianTable(state);
    }
}

void ArmSpecialPick(State& state, Views& views, Tool pick, bool down) {
    // SetToolMode also takes a step-X crosshair off the picture, which no other mode moves.
    const CursorId cursor = state.Main.CurrentCursor;
    if (down) {
        SetToolMode(state, views, pick, cursor);
    } else if (state.Main.ToolMode == pick) {
        SetToolMode(state, views, Tool::SetPoint, cursor);
    }
}

void SpecialPickClick(State& state, Views& views) {
    const Tool pick = state.Main.ToolMode;
    // One shot: back to point picking with the pick button up, whatever the click does.
    SetToolMode(state, views, Tool::SetPoint, state.Main.CurrentCursor);
    switch (pick) {
    case Tool::AxialI0:
    case Tool::PairI0:
    case Tool::PairAxis2:
        if (state.Main.SpecialMode == 4) {
            CartesianPickClick(state, views, pick);
        }
        break;
    default:
        if (state.Main.SpecialMode == 3) {
            PolarPickClick(state, views, pick);
        }
        break;
    }
}

} // namespace lineora
