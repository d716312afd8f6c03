#pragma once

#include "core/curves/PointStore.h"

#include <QString>
#include <QStringView>

namespace lineora {

// The points as comma-separated values (RFC 4180) for data tools: the header row
// "curve,x,y", then for each curve 1..5 and each of its points in row order the curve's number
// and the chart values, every row ended by CR LF. Numbers take "." and the shortest digits
// that read back to the same double; a value that is not a number reads "nan", infinities
// "inf" and "-inf", as common CSV readers take them.
QString BuildCsvText(const PointStore& store);

// The shortest text that reads back to `value` ("0.1", "1e+300"), or nan, inf, -inf.
QString CsvNumber(double value);

// Appends `field`, quoted with its quotes doubled when it holds a comma, quote, CR or LF.
void AppendCsvField(QString& text, QStringView field);

} // namespace lineora
