#pragma once

#include "core/common/Types.h"
#include "core/curves/PointStore.h"

#include <QString>

namespace lineora {

// The table of data lists the curves one after another, not merged by X: curve 1 in the first
// rows, curve 2 right after it with its Y in column "Y2", and so on, so every row has exactly
// one Y cell. Column 0 holds the row number. Rows are numbered from 1 as users see them.

inline constexpr int kTableColumns = 7;
// Rows a curve listing may reach; the window shows rows 1..kTableVisibleRows of them.
inline constexpr int kTableRows = kLastRow;
inline constexpr int kTableVisibleRows = kLastRow - 1;

struct TableOptions {
    // Chart values; off, the picture positions of the points.
    bool ChartValues = true;
    // While step-X picking is on, X is shown rounded to the step.
    bool StepXOn = false;
    Extended StepX = 0;
};

// How many leading rows of each curve have current values: the rows the table lists.
struct TableLayout {
    PerCurve Shown{};
};

TableLayout LayoutTable(const PointStore& store);

// The point behind a table row: its curve and store row, or curve 0 for an empty row.
struct TableSource {
    int Curve = 0;
    int Row = 0;
};

TableSource SourceOfRow(const TableLayout& layout, int tableRow);

// "№", "X", "Y1".."Y5".
QString TableHeader(int column);

// The text of one cell, row 1..kTableRows, column 0..6; empty outside the listed points.
QString TableCell(const PointStore& store, const TableLayout& layout, const TableOptions& options,
                  int tableRow, int column);

// The widest text of a column: the last row number, or a value of 15 significant digits in
// its longest form. The window sizes the columns by it.
QString WidestTableText(int column);

// x rounded half to even to a multiple of step; x itself when the step cannot divide it.
Extended RoundToStep(Extended x, Extended step);

} // namespace lineora
