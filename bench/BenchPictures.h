#pragma once
// The scan every picture benchmark works on, and the figures they share. All of them report
// their time next to BM_MemcpyIntoExistingBuffer, the copy of one such picture measured in the
// same run.

#include "core/calibration/Calibration.h"
#include "core/common/Rounding.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace lineora::bench {

inline constexpr int kScanWidth = 6000;
inline constexpr int kScanHeight = 4000;

// A scanned chart: white paper with a grey grid every 100 pixels.
inline QImage GridPicture() {
    QImage picture(kScanWidth, kScanHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(160, 160, 160));
    for (int x = 0; x < kScanWidth; x += 100) {
        painter.drawLine(x, 0, x, kScanHeight - 1);
    }
    for (int y = 0; y < kScanHeight; y += 100) {
        painter.drawLine(0, y, kScanWidth - 1, y);
    }
    return picture;
}

// The plot area of the scan: zero (300, 3700), X-max (5700, 3700), Y-max (300, 300).
inline Calibration PlotArea() {
    Calibration cal;
    cal.Points() = {300, 3700, 5700, 3700, 300, 300};
    return cal;
}

// The same plot area on a scan turned by 1.5 degrees: the X axis 5400 pixels long, the Y axis
// 3400, so chart values come out with all their digits.
inline ReferencePoints TurnedPlotArea() {
    const Extended a = 1.5L * std::numbers::pi_v<Extended> / 180;
    return {300,
            3700,
            RoundHalfEven(300 + 5400 * std::cos(a)),
            RoundHalfEven(3700 - 5400 * std::sin(a)),
            RoundHalfEven(300 - 3400 * std::sin(a)),
            RoundHalfEven(3700 - 3400 * std::cos(a))};
}

inline void SetPictureBytes(benchmark::State& state, const QImage& picture) {
    state.SetBytesProcessed(state.iterations() * picture.sizeInBytes());
}

} // namespace lineora::bench
