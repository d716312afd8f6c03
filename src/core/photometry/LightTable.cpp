#include "core/photometry/LightTable.h"

namespace lineora {

// Filled in by the table generators' branch; the modes only need the declarations meanwhile.
QStringList PolarLightTable(PointStore&, const PolarTableFields&) {
    return {};
}

QStringList CartesianLightTable(PointStore&, const CartesianTableFields&, PairShift*) {
    return {};
}

} // namespace lineora
