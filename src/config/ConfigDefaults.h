#pragma once

#include "calibration/Calibration.h"
#include "config/Settings.h"

namespace lineora {

// What a first run without a configuration file starts from: the Y axis on the left of the X
// axis's start (X to the right) and the saved reference points of an empty file, so that a
// click converts before the user has calibrated anything.
void ApplyDefaultCalibration(Calibration& cal, Settings& settings);

} // namespace lineora
