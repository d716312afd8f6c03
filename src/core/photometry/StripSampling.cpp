#include "core/photometry/StripSampling.h"

#include "core/common/Errors.h"

namespace lineora {

// Placeholders: the implementation lands with the strip-sampling work.

StripGeometry SamplingStrips(const Calibration& cal, std::int32_t gap) {
    return ComputeStrips(cal, gap, 560);
}

std::vector<std::int32_t> SearchLineColumns(const Calibration&, std::int32_t n, Extended) {
    return std::vector<std::int32_t>(static_cast<std::size_t>(n) + 1, 0);
}

void InitSamples(PointStore&, const std::vector<std::int32_t>&, const StripGeometry&) {}

void SearchByColour(PointStore&, const QImage&, const QImage&, const StripGeometry&,
                    const std::array<TColor, 10>&, std::int32_t, std::int32_t, const RowProgress&) {
}

void SearchRedInk(PointStore&, const QImage&, const StripGeometry&, std::int32_t,
                  const RowProgress&) {}

void ApproximateSamples(PointStore&, const StripGeometry&, std::int32_t) {}

int ClearGridRows(QImage&, const StripGeometry&, std::int32_t, std::int32_t, double,
                  const RowProgress&) {
    return 0;
}

QString BuildStripTableText(const PointStore&, const Calibration&, const StripGeometry&,
                            std::int32_t, Extended, SeparatorChoice) {
    return {};
}

void ReadSpecialIni(StripSamplingState&, const QString&) {}

void WriteSpecialIni(const StripSamplingState&, const QString&) {}

} // namespace lineora
