#pragma once

#include "core/calibration/Calibration.h"
#include "core/common/Settings.h"
#include "core/common/Types.h"
#include "core/curves/PointStore.h"
#include "core/picture/Straightening.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace lineora {

// Sampling a recorder chart with three traces in three horizontal strips at fixed times. The
// samples are curves 1..3 of the point store, one row per search line; the strips are those
// of the straightener (strip L holds trace L, 1 at the top).

inline constexpr int kTraceCount = 3;

// The mode's settings (kept in Special1.Ini) and its view switches.
struct StripSamplingState {
    std::int32_t SearchLineCount = 0; // N = seconds x points per second + 1
    // Three shades per trace: 1..3 trace 1, 4..6 trace 2, 7..9 trace 3 (index 0 unused).
    std::array<TColor, 10> SpecLineColors{};
    std::int32_t LineDensity = 3; // 1..9 matching pixels of the 3 x 3 neighbourhood
    double ClearKoef = 0.7;       // white fraction below which a strip row is a grid line
    bool ShowStrips = true;
    bool ShowSearchLines = true;
    std::int32_t ColorSlot = 1; // next shade 1..3 to pick, 4 = done
    int ColorTrace = 0;         // trace whose colour button is down, 0 = none
    bool ArcFlag = false;       // the main window's special-points button is held down
};

// The three strips for the calibration and the straightener's gap (the curvature plays no part).
StripGeometry SamplingStrips(const Calibration& cal, std::int32_t gap);

// Picture column of each search line k = 1..n (index 0 unused): the time AxisXMin + (k-1) *
// stepX placed on the X axis between the zero and the X-max point. A calibration whose X-max
// point stands on the zero point's column or whose X axis values are equal throws CalcError,
// and so does an n outside 1..kLastRow (the curves hold no more samples) or a column beyond
// int32.
std::vector<std::int32_t> SearchLineColumns(const Calibration& cal, std::int32_t n, Extended stepX);

// Every sample on its search line at its strip's bottom; curves 1..3 hold exactly n points
// (n = columns.size() - 1, at most kLastRow).
void InitSamples(PointStore& store, const std::vector<std::int32_t>& columns,
                 const StripGeometry& strips);

// The row a sample of trace L holds when its trace was not found there.
inline std::int32_t NotFoundRow(const StripGeometry& strips, int trace) {
    return strips.Strips[trace].Bottom + 5;
}

// Called a few times during a long loop (never per pixel), last with done == total.
using RowProgress = std::function<void(int done, int total)>;

// The functions below take n, the number of search lines, and look at samples 1..n of curves
// 1..3 (at most kLastRow). Pixels off either picture read as white paper and are never written.

// For each trace and search line, the first row from the strip's top + 5 down to its bottom
// - 5 whose 3 x 3 neighbourhood holds at least `density` pixels within the trace's colour
// box; the centre pixel is read from `clean`, its neighbours from `working`. NotFoundRow
// where none does.
void SearchByColour(PointStore& store, const QImage& clean, const QImage& working,
                    const StripGeometry& strips, const std::array<TColor, 10>& colours,
                    std::int32_t density, std::int32_t n, const RowProgress& progress = {});

// For each trace and search line, the middle of the first longest run of red ink (red >= 180,
// green and blue <= 100 in `clean`) between the strip's top + 5 and bottom - 5; a run of one
// pixel or none is not found.
void SearchRedInk(PointStore& store, const QImage& clean, const StripGeometry& strips,
                  std::int32_t n, const RowProgress& progress = {});

// Fills the not-found samples of each trace: the ends from their nearest found sample, the
// gaps by a straight line rounded step by step. A trace with no found sample is left alone.
void ApproximateSamples(PointStore& store, const StripGeometry& strips, std::int32_t n);

// Whitens every strip row of `working` between the zero and the X-max point's columns whose
// pure white pixels number fewer than |xMaxX - zeroX| * clearKoef: the grid lines. The rows
// are strip 1's without three rows at each end, then strips 2 and 3 whole, top to bottom,
// each row counted on the picture as the rows before it have left it. Returns the rows
// whitened.
int ClearGridRows(QImage& working, const StripGeometry& strips, std::int32_t zeroX,
                  std::int32_t xMaxX, double clearKoef, const RowProgress& progress = {});

// The table text: one line per search line, time TAB trace 1 TAB trace 2 TAB trace 3 CR LF,
// values 0..40-style from the strip heights, one decimal, in the general number form; then
// the separator choice as the text export applies it. A strip without height throws
// CalcError.
QString BuildStripTableText(const PointStore& store, const Calibration& cal,
                            const StripGeometry& strips, std::int32_t n, Extended stepX,
                            SeparatorChoice separator);

// Special1.Ini: the nine colours ("ColorFind", Line1_1..Line3_3, 0..0xFFFFFF), the density
// ("Special", "Plotnost linii", 1..9) and the clearing fraction ("Special", "specKoefClear",
// tenths 0..10). A missing file or key gives the default, and so does a value that is no
// number or lies out of range; a file that cannot be read or is no INI text gives every
// default. Returns what was wrong with the file for a message, empty when nothing was (a
// missing file is not wrong); the state is set in every case.
QString ReadSpecialIni(StripSamplingState& state, const QString& path);
// The defaults of the file's keys, as a missing file gives them.
void SetSpecialIniDefaults(StripSamplingState& state);
// Written atomically, keeping the other keys of a readable old file; a failure throws
// FileError and leaves the old file.
void WriteSpecialIni(const StripSamplingState& state, const QString& path);

} // namespace lineora
