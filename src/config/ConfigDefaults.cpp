#include "config/ConfigDefaults.h"

namespace lineora {

void ApplyDefaultCalibration(Calibration& cal, Settings& settings) {
    SetXDirection(cal, settings, 1);
    cal.ZeroPointX = 20;
    cal.ZeroPointY = 100;
    cal.XMaxPointX = 200;
    cal.XMaxPointY = 100;
    cal.YMaxPointX = 20;
    cal.YMaxPointY = 20;
}

} // namespace lineora
