#pragma once

#include "core/common/Types.h"

#include <QRgb>

#include <cstdint>

namespace lineora {

// Components of a 0x00BBGGRR colour.
inline std::int32_t ColorRed(TColor c) {
    return static_cast<std::int32_t>(c & 0xFFu);
}
inline std::int32_t ColorGreen(TColor c) {
    return static_cast<std::int32_t>((c & 0xFF00u) / 256);
}
inline std::int32_t ColorBlue(TColor c) {
    return static_cast<std::int32_t>((c & 0xFF0000u) / 65536);
}

inline TColor MakeColor(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// The one place where Qt's 0xAARRGGBB meets the program's 0x00BBGGRR.
inline TColor FromQRgb(QRgb rgb) {
    return MakeColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
inline QRgb ToQRgb(TColor c) {
    return qRgb(ColorRed(c), ColorGreen(c), ColorBlue(c));
}

} // namespace lineora
