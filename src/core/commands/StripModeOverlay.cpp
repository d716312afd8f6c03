// The strip-sampling overlay: drawn inverting, so that drawing it again takes it off.

#include "core/commands/StripModeCommands.h"
#include "core/common/Errors.h"
#include "core/picture/OverlayPainting.h"

#include "core/common/Color.h"

#include <array>
#include <string>

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

// Digits 3 x 5, one bit a cell, top row first, leftmost cell in the highest bit. The numbers
// are drawn cell by cell rather than with a font: each pixel is inverted exactly once, and a
// picture tool needs no font system.
constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigits{{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 7, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 1, 1},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};
constexpr int kCell = 2;                 // screen pixels per cell
constexpr int kDigitAdvance = 4 * kCell; // three cells and a gap
constexpr int kNumberGap = 2;            // between the line and its number

void InvertNotXor(QImage& picture, int x, int y, TColor colour) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) {
        return;
    }
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    const QRgb pen = ToQRgb(colour);
    row[x] = 0xFF000000u | (~(row[x] ^ pen) & 0x00FFFFFFu);
}

// The number with its top left corner at (left, top), each pixel inverted once.
void DrawNumber(QImage& picture, std::size_t number, int left, int top, TColor colour) {
    const std::string digits = std::to_string(number);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const auto& glyph = kDigits[static_cast<std::size_t>(digits[i] - '0')];
        const int x0 = left + static_cast<int>(i) * kDigitAdvance;
        for (int cy = 0; cy < 5; ++cy) {
            for (int cx = 0; cx < 3; ++cx) {
                if ((glyph[static_cast<std::size_t>(cy)] >> (2 - cx) & 1) == 0) {
                    continue;
                }
                for (int py = 0; py < kCell; ++py) {
                    for (int px = 0; px < kCell; ++px) {
                        InvertNotXor(picture, x0 + cx * kCell + px, top + cy * kCell + py, colour);
                    }
                }
            }
        }
    }
}

void DrawSearchLines(QImage& picture, const std::vector<std::int32_t>& columns) {
    const std::int32_t height = picture.height();
    {
        QPainter painter(&picture);
        overlay::UsePen(painter, PenMode::NotXor, kSearchYellow, 1);
        for (std::size_t k = 1; k < columns.size(); ++k) {
            overlay::Line(painter, columns[k], height, columns[k], 0);
        }
    }
    for (std::size_t k = 1; k < columns.size(); ++k) {
        DrawNumber(picture, k, columns[k] + kNumberGap, height - 10, kSearchYellow);
    }
}

} // namespace

void DrawStripOverlay(QImage& working, const StripGeometry& strips, std::int32_t zeroX,
                      std::int32_t xMaxX, const std::vector<std::int32_t>& columns, bool showStrips,
                      bool showSearchLines) {
    if (working.isNull() || (!showStrips && !showSearchLines)) {
        return;
    }
    if (showStrips) {
        QPainter painter(&working);
        DrawStripFrames(painter, strips, zeroX, xMaxX);
    }
    if (showSearchLines) {
        DrawSearchLines(working, columns);
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
