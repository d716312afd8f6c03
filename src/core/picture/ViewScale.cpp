#include "core/common/Errors.h"
#include "core/common/Rounding.h"
#include "core/picture/Pictures.h"

namespace lineora {

Extended ViewScaleOf(const QString& caption) {
    const bool wellFormed = caption.size() == 3 && caption[0].isDigit() &&
                            caption[1] == QLatin1Char(':') && caption[2].isDigit() &&
                            caption[2] != QLatin1Char('0') && caption[0] != QLatin1Char('0');
    if (!wellFormed) {
        throw FormatError(QStringLiteral("\"%1\" is not a view scale").arg(caption));
    }
    return static_cast<Extended>(caption[0].digitValue()) / caption[2].digitValue();
}

QSize ScaledPictureSize(std::int32_t width, std::int32_t height, Extended scale) {
    return {RoundHalfEven(width * scale), RoundHalfEven(height * scale)};
}

PicturePoint ScreenToPicture(int screenX, int screenY, Extended scale) {
    if (!(scale > 0)) {
        throw CalcError("The view scale must be positive");
    }
    return {RoundHalfEven(screenX / scale), RoundHalfEven(screenY / scale)};
}

} // namespace lineora
