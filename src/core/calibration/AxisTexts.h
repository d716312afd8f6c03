#pragma once

#include <QString>

namespace lineora {

struct Calibration;

// The texts of the axis value fields, kept as typed: the graph data file stores them so.
struct AxisTexts {
    QString MinX = QStringLiteral("0");
    QString MaxX = QStringLiteral("100");
    QString MinY = QStringLiteral("0");
    QString MaxY = QStringLiteral("10");
    QString PolarMaxX = QStringLiteral("10");
};

// Parses the fields into the calibration in the order MaxX, MaxY, MinX, MinY, PolarMaxX with
// the system's decimal separator. A text that is no number throws FormatError; the fields
// before it are already applied.
void ReadAxisValues(const AxisTexts& texts, Calibration& cal);

} // namespace lineora
