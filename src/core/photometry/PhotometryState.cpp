#include "core/photometry/PhotometryState.h"

namespace lineora {

QString& FieldText(PolarDialogState& dialog, PolarField field) {
    switch (field) {
    case PolarField::IntenMax:
        return dialog.IntenMax;
    case PolarField::Int0:
        return dialog.Int0;
    case PolarField::Alfa180:
        return dialog.Alfa180;
    case PolarField::Upper:
        return dialog.Upper;
    case PolarField::Lower:
        return dialog.Lower;
    case PolarField::Right:
        return dialog.Right;
    case PolarField::Left:
        break;
    }
    return dialog.Left;
}

QString& FieldText(CartesianDialogState& dialog, CartesianField field) {
    switch (field) {
    case CartesianField::MinX1:
        return dialog.MinX1;
    case CartesianField::MaxX1:
        return dialog.MaxX1;
    case CartesianField::MinY:
        return dialog.MinY;
    case CartesianField::MaxY:
        break;
    }
    return dialog.MaxY;
}

} // namespace lineora
