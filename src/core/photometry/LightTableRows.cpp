#include "core/photometry/LightTableRows.h"

#include "core/common/NumberText.h"

#include <QStringBuilder>

#include <algorithm>
#include <cmath>

namespace lineora::light {

namespace {

// The database reads "." whatever the system writes, and only magnitudes: angles of both
// halves are written as positive values.
QString NumberCell(Extended value) {
    return FormatFixed(std::fabs(value), 8, 2, QLatin1Char('.'));
}

const QString kBlankCell = QString(8, QLatin1Char(' '));
// Where the first pair's limit is already written, the closing row of a two-sided plane ends
// in a single blank instead of a cell: the layout the database files have always had.
const QString kClosingBlank = QStringLiteral(" ");

const QString kOneCurveIndent = QString(9, QLatin1Char(' '));

// An angle and its intensity, as cells.
struct CellPair {
    QString Angle, Intensity;
};

CellPair CellsOf(Extended angle, Extended intensity) {
    return {NumberCell(angle), NumberCell(intensity)};
}

CellPair CellsOf(const ChartPoint& point) {
    return CellsOf(point.X, point.Y);
}

CellPair CellsOf(const ValueEntry& value) {
    return CellsOf(value.ValX, value.ValY);
}

void AppendHead(QStringList& lines, const char* kind, const char* rule) {
    lines << QLatin1String(kHeaderLine) << QLatin1String(kind) << QLatin1String(rule)
          << QLatin1String(kWarningLine) << QLatin1String(kMultiplierMark) << QStringLiteral("1");
}

// The padded cells keep their columns for numbers up to 14 and 11 characters wide; the limit
// row is not padded and lines up with them only while both its numbers take 8.
QString OneCurveRow(const CellPair& cells) {
    return kOneCurveIndent % cells.Angle.leftJustified(14) % QLatin1Char('|') %
           cells.Intensity.rightJustified(11);
}

QString OneCurveLimitRow(const CellPair& cells) {
    return kOneCurveIndent % cells.Angle % QLatin1String("      |   ") % cells.Intensity;
}

// Each row is joined in one allocation ("%"): full halves make two thousand of them, and the
// table is regenerated at every click.
QString FourCellRow(const CellPair& first, const CellPair& second) {
    return QLatin1String("  ") % first.Angle % QLatin1String("        |    ") % first.Intensity %
           QLatin1String("        ||  ") % second.Angle % QLatin1String("        |      ") %
           second.Intensity;
}

bool HasPoint(const PointStore& store, int c, int row) {
    return row < store.LineNext[c] && store.PointValues[row][c].Valid == 1;
}

void AppendSymmetricRows(QStringList& lines, const PointStore& store, int c,
                         const std::optional<PlaneLimits>& limits) {
    for (int row = kFirstRow; row < store.LineNext[c]; ++row) {
        const CellPair cells = CellsOf(store.PointValues[row][c]);
        lines << FourCellRow(cells, cells);
    }
    if (limits) {
        lines << FourCellRow(CellsOf(limits->First), CellsOf(limits->Second));
    }
}

// One half's cells in a row of a two-sided plane: its point, else its limit once, directly
// below its last point, else blanks. `limitPending` is false when the limit is written or
// there is none.
CellPair HalfCells(const PointStore& store, int c, int row, const ChartPoint& limit,
                   bool& limitPending) {
    if (HasPoint(store, c, row)) {
        return CellsOf(store.PointValues[row][c]);
    }
    if (limitPending) {
        limitPending = false;
        return CellsOf(limit);
    }
    return {kBlankCell, kBlankCell};
}

void AppendTwoSidedRows(QStringList& lines, const PointStore& store, int first, int second,
                        const std::optional<PlaneLimits>& limits) {
    const PlaneLimits shown = limits.value_or(PlaneLimits{});
    bool firstPending = limits.has_value();
    bool secondPending = limits.has_value();
    const int rows = std::max(PointCount(store, first), PointCount(store, second));
    for (int row = kFirstRow; row <= rows; ++row) {
        const CellPair a = HalfCells(store, first, row, shown.First, firstPending);
        const CellPair b = HalfCells(store, second, row, shown.Second, secondPending);
        lines << FourCellRow(a, b);
    }
    if (firstPending && secondPending) {
        lines << FourCellRow(CellsOf(shown.First), CellsOf(shown.Second));
    } else if (firstPending) {
        lines << FourCellRow(CellsOf(shown.First), {kBlankCell, kClosingBlank});
    } else if (secondPending) {
        lines << FourCellRow({kBlankCell, kBlankCell}, CellsOf(shown.Second));
    }
}

void AppendPlane(QStringList& lines, const PointStore& store, const char* sectionMark,
                 const char* columnMark, const CellPair& i0Cells, int first, int second,
                 bool symmetric, const std::optional<PlaneLimits>& limits) {
    lines << QLatin1String(sectionMark) << QLatin1String(columnMark)
          << FourCellRow(i0Cells, i0Cells);
    if (symmetric) {
        AppendSymmetricRows(lines, store, second, limits);
    } else {
        AppendTwoSidedRows(lines, store, first, second, limits);
    }
}

} // namespace

QStringList OneCurveLines(const PointStore& store, Extended i0,
                          const std::optional<ChartPoint>& limit) {
    QStringList lines;
    lines.reserve(store.LineNext[1] + 10);
    AppendHead(lines, kKindOneCurve, kRuleOneCurve);
    lines << QLatin1String(kColumnMarkOneCurve) << OneCurveRow(CellsOf(0, i0));
    for (int row = kFirstRow; row < store.LineNext[1]; ++row) {
        lines << OneCurveRow(CellsOf(store.PointValues[row][1]));
    }
    if (limit) {
        lines << OneCurveLimitRow(CellsOf(*limit));
    }
    lines << QLatin1String(kEndMark);
    return lines;
}

QStringList TwoCurveLines(const PointStore& store, Extended i0, bool crossSymmetric,
                          bool longSymmetric, const std::optional<PlaneLimits>& crossLimits,
                          const std::optional<PlaneLimits>& longLimits) {
    QStringList lines;
    lines.reserve(std::max(store.LineNext[1], store.LineNext[2]) +
                  std::max(store.LineNext[3], store.LineNext[4]) + 16);
    AppendHead(lines, kKindTwoCurves, kRuleTwoCurves);
    const CellPair i0Cells = CellsOf(0, i0);
    AppendPlane(lines, store, kCrossSectionMark, kCrossColumnMark, i0Cells, 2, 1, crossSymmetric,
                crossLimits);
    AppendPlane(lines, store, kLongSectionMark, kLongColumnMark, i0Cells, 4, 3, longSymmetric,
                longLimits);
    lines << QLatin1String(kEndMark);
    return lines;
}

} // namespace lineora::light
