// The strip-sampling overlay: drawn inverting, so that drawing it again takes it off.

#include "core/commands/StripModeCommands.h"
#include "core/common/Errors.h"
#include "core/picture/OverlayPainting.h"

#include <QFont>

namespace lineora {

namespace {

constexpr TColor kStripGreen = 0x008000;   // RGB 0, 128, 0
constexpr TColor kSearchYellow = 0x00FFFF; // RGB 255, 255, 0

void DrawStripFrames(QPainter& painter, const StripGeometry& strips, std::int32_t zeroX,
                     std::int32_t xMaxX) {
    overlay::UsePen(painter, PenMode::NotXor, kStripGreen, 3);
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        const Strip& strip = strips.Strips[static_cast<std::size_t>(trace)];
        // One stroke per frame: its corners are inverted once, however wide the pen.
        painter.drawRect(QRect(QPoint(zeroX, strip.Top), QPoint(xMaxX - 1, strip.Bottom - 1)));
    }
}

void DrawSearchLines(QPainter& painter, const std::vector<std::int32_t>& columns,
                     std::int32_t height) {
    overlay::UsePen(painter, PenMode::NotXor, kSearchYellow, 1);
    QFont font = painter.font();
    // Smoothed glyph edges would blend rather than invert, and could not be drawn off again.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(10);
    painter.setFont(font);
    for (std::size_t k = 1; k < columns.size(); ++k) {
        const std::int32_t x = columns[k];
        overlay::Line(painter, x, height, x, 0);
        painter.drawText(QPoint(x, height - 10), QString::number(k));
    }
}

} // namespace

void DrawStripOverlay(QImage& working, const StripGeometry& strips, std::int32_t zeroX,
                      std::int32_t xMaxX, const std::vector<std::int32_t>& columns, bool showStrips,
                      bool showSearchLines) {
    if (working.isNull() || (!showStrips && !showSearchLines)) {
        return;
    }
    QPainter painter(&working);
    if (showStrips) {
        DrawStripFrames(painter, strips, zeroX, xMaxX);
    }
    if (showSearchLines) {
        DrawSearchLines(painter, columns, working.height());
    }
}

void DrawStripModeOverlay(State& state) {
    const StripSamplingState& mode = state.StripSampling;
    if (!mode.ArcFlag || mode.SearchLineCount < 1) {
        return;
    }
    std::vector<std::int32_t> columns;
    try {
        columns = SearchLineColumns(state.Cal, mode.SearchLineCount, state.Setup.StepX);
    } catch (const CalcError&) {
        columns.clear(); // the window's commands report it when they need the lines
    }
    DrawStripOverlay(state.Pics.Working, CurrentStrips(state), state.Cal.ZeroPointX,
                     state.Cal.XMaxPointX, columns, mode.ShowStrips, mode.ShowSearchLines);
}

} // namespace lineora
