#pragma once

#include "core/common/Types.h"

#include <cstdint>

namespace lineora {

// Nearest int32, ties to even (2.5 -> 2, 3.5 -> 4). Every float-to-pixel conversion goes
// through here so that NaN, infinity and values outside int32 become a CalcError instead of
// undefined behaviour.
std::int32_t RoundHalfEven(Extended value);

// Toward zero, with the same refusals.
std::int32_t TruncToInt32(Extended value);

} // namespace lineora
