#include "core/curves/TableCells.h"

#include "core/common/NumberText.h"

#include <cmath>

namespace lineora {

TableLayout LayoutTable(const PointStore& store) {
    TableLayout layout;
    for (int c = 1; c <= kCurveCount; ++c) {
        int row = kFirstRow;
        while (row <= kLastRow && store.PointValues[row][c].Valid == 1) {
            ++row;
        }
        layout.Shown[c] = row - kFirstRow;
    }
    return layout;
}

TableSource SourceOfRow(const TableLayout& layout, int tableRow) {
    if (tableRow > kTableRows) {
        return {}; // listed points past the last row are cut off
    }
    int offset = 0;
    for (int c = 1; c <= kCurveCount; ++c) {
        if (tableRow <= offset + layout.Shown[c]) {
            return tableRow > offset ? TableSource{c, tableRow - offset} : TableSource{};
        }
        offset += layout.Shown[c];
    }
    return {};
}

QString TableHeader(int column) {
    switch (column) {
    case 0:
        return QString(QChar(0x2116)); // numero sign
    case 1:
        return QStringLiteral("X");
    default:
        return column > 1 && column < kTableColumns ? QStringLiteral("Y%1").arg(column - 1)
                                                    : QString();
    }
}

QString WidestTableText(int column) {
    if (column == 0) {
        return PadLeft(kTableRows, 0);
    }
    // Plain down to 0.00001: a sign, "0.0000" and 15 digits, as long as any scientific form.
    return FormatGeneral(-0.0000888888888888888L);
}

Extended RoundToStep(Extended x, Extended step) {
    const Extended steps = x / step;
    if (!std::isfinite(steps)) {
        return x; // a step of 0: there is nothing to round to
    }
    // nearbyint rounds half to even in the default rounding mode.
    return std::nearbyint(steps) * step;
}

QString TableCell(const PointStore& store, const TableLayout& layout, const TableOptions& options,
                  int tableRow, int column) {
    if (column == 0) {
        return PadLeft(tableRow, 0);
    }
    const TableSource source = SourceOfRow(layout, tableRow);
    const bool isX = column == 1;
    if (source.Curve == 0 || (!isX && column != source.Curve + 1)) {
        return {};
    }
    if (!options.ChartValues) {
        const PixelEntry& pixel = store.PointPixels[source.Row][source.Curve];
        return PadLeft(isX ? pixel.PixX : pixel.PixY, 0);
    }
    const ValueEntry& value = store.PointValues[source.Row][source.Curve];
    if (!isX) {
        return FormatGeneral(value.ValY);
    }
    return FormatGeneral(options.StepXOn ? RoundToStep(value.ValX, options.StepX) : value.ValX);
}

} // namespace lineora
