#pragma once

#include "core/common/Color.h"
#include "core/common/Types.h"

#include <QColor>
#include <QFrame>
#include <QString>
#include <QVariant>

namespace lineora::swatch {

// A colour swatch of the tracing windows: a framed patch of its colour. The colour is also
// kept as a property, so it reads back exactly without looking at pixels.
inline void Show(QFrame* swatch, TColor colour) {
    const QColor shown = QColor::fromRgb(ToQRgb(colour));
    swatch->setProperty("color", shown);
    swatch->setStyleSheet(
        QStringLiteral("QFrame { border: 1px solid black; background: %1; }").arg(shown.name()));
}

inline TColor ColourOf(const QFrame* swatch) {
    return FromQRgb(swatch->property("color").value<QColor>().rgb());
}

inline QFrame* Make(QWidget* parent, const char* name, QRect place, TColor colour) {
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(QLatin1String(name));
    swatch->setGeometry(place);
    Show(swatch, colour);
    return swatch;
}

} // namespace lineora::swatch
