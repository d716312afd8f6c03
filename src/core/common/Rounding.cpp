#include "core/common/Rounding.h"

#include "core/common/Errors.h"

#include <cmath>
#include <limits>

namespace lineora {

namespace {

std::int32_t CheckedInt32(Extended whole, Extended original) {
    constexpr Extended lo = std::numeric_limits<std::int32_t>::min();
    constexpr Extended hi = std::numeric_limits<std::int32_t>::max();
    if (whole < lo || whole > hi) {
        throw CalcError("A value of " + std::to_string(static_cast<double>(original)) +
                        " is too large to be a pixel position");
    }
    return static_cast<std::int32_t>(whole);
}

void RefuseNonFinite(Extended value) {
    if (std::isnan(value)) {
        throw CalcError("The calculation gave no number (invalid floating point operation)");
    }
    if (std::isinf(value)) {
        throw CalcError("The calculation overflowed (floating point overflow)");
    }
}

} // namespace

std::int32_t RoundHalfEven(Extended value) {
    RefuseNonFinite(value);
    // Every pixel of a refresh passes here, and the library's floor of a long double costs
    // more than the rest of a conversion: below 2^62 the integer part comes from a truncating
    // conversion instead, with the same result.
    constexpr Extended kExactInt64 = 4611686018427387904.0L; // 2^62
    if (value > -kExactInt64 && value < kExactInt64) {
        std::int64_t below = static_cast<std::int64_t>(value);
        if (static_cast<Extended>(below) > value) {
            --below;
        }
        const Extended fraction = value - static_cast<Extended>(below);
        std::int64_t whole = below;
        if (fraction > 0.5L || (fraction == 0.5L && below % 2 != 0)) {
            whole = below + 1;
        }
        return CheckedInt32(static_cast<Extended>(whole), value);
    }
    // Explicit rather than nearbyint so the result does not depend on the FPU rounding mode.
    const Extended below = std::floor(value);
    const Extended fraction = value - below;
    Extended whole = below;
    if (fraction > 0.5L) {
        whole = below + 1;
    } else if (fraction == 0.5L) {
        whole = std::fmod(below, 2.0L) == 0 ? below : below + 1;
    }
    return CheckedInt32(whole, value);
}

std::int32_t TruncToInt32(Extended value) {
    RefuseNonFinite(value);
    return CheckedInt32(std::trunc(value), value);
}

} // namespace lineora
