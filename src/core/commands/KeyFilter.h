#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"

namespace lineora {

enum class Key { Other, Q, Up, Down, Left, Right, Space, Undo, Redo, Escape };

// Every key pressed while the main window is active comes here and is consumed.
void MainWindowKeyDown(State& state, Host& host, Views& views, Key key);

} // namespace lineora
