#include "core/calibration/AxisTexts.h"

#include "core/calibration/Calibration.h"
#include "core/common/NumberText.h"

namespace lineora {

void ReadAxisValues(const AxisTexts& texts, Calibration& cal) {
    cal.AxisXMax = static_cast<double>(ParseNumber(texts.MaxX));
    cal.AxisYMax = static_cast<double>(ParseNumber(texts.MaxY));
    cal.AxisXMin = static_cast<double>(ParseNumber(texts.MinX));
    cal.AxisYMin = static_cast<double>(ParseNumber(texts.MinY));
    cal.AxisPolarMax = ParseNumber(texts.PolarMaxX);
}

} // namespace lineora
