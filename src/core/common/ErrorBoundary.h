#pragma once

#include "core/common/Host.h"

#include <functional>

namespace lineora {

// The program's one error boundary. Every window event that runs operations goes through
// here: an exception (CalcError, FileError, FormatError or anything else) becomes a message
// box with its text, and the event stops there; whatever was stored before it stays.
// Returns true when the action ran to its end.
bool Guarded(Host& host, const std::function<void()>& action) noexcept;

} // namespace lineora
