#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"

#include <cstdint>

namespace lineora {

// The buttons and keys held with a mouse event; handlers compare the whole set.
namespace Shift {
inline constexpr std::uint32_t Shift = 1;
inline constexpr std::uint32_t Alt = 2;
inline constexpr std::uint32_t Ctrl = 4;
inline constexpr std::uint32_t Left = 8;
inline constexpr std::uint32_t Right = 16;
inline constexpr std::uint32_t Middle = 32;
inline constexpr std::uint32_t Double = 64;
} // namespace Shift

// Screen positions are relative to the picture view, in screen pixels.
void PictureMouseDown(State& state, Host& host, Views& views, std::uint32_t shift, int x, int y);
void PictureMouseMove(State& state, Host& host, Views& views, std::uint32_t shift, int x, int y);
void PictureMouseUp(State& state, Views& views);

} // namespace lineora
