#include "core/photometry/BrightLine.h"

#include <algorithm>

namespace lineora {

// Placeholders: the implementation lands with the bright-line work.

void SizeBrightLineTable(BrightLineState& state, std::int32_t pictureWidth) {
    const std::size_t columns =
        static_cast<std::size_t>(std::max<std::int32_t>(kBrightLineColumns, pictureWidth));
    for (int line = 1; line <= kBrightLineCount; ++line) {
        if (state.Centres[line].size() < columns) {
            state.Centres[line].resize(columns, 0.0);
        }
    }
}

BrightRun MeasureRun(const QImage&, std::int32_t, std::int32_t, std::int32_t) {
    return {};
}

TraceOutcome TraceBrightLine(BrightLineState&, const QImage&, int, std::int32_t, std::int32_t) {
    return TraceOutcome::NotBright;
}

int BridgeGaps(BrightLineState&, int) {
    return 0;
}

void SmoothLine(BrightLineState&, int) {}

void ClearBrightLine(BrightLineState&, int) {}

void ClearAllBrightLines(BrightLineState&) {}

void DrawBrightLines(const BrightLineState&, QImage&, const std::array<TColor, kCurveCount + 1>&) {}

QString BrightLineHeader(int) {
    return {};
}

QString BrightLineCell(const BrightLineState&, int, std::int32_t) {
    return {};
}

} // namespace lineora
