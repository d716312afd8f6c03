#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace lineora {

// What the tools that replace the whole picture share.

// The message for a picture too large to `task` ("turn", "clean"): nothing was changed.
QString NoMemoryText(const QString& task, int width, int height);

// The working image at `size`; its buffer is kept when it already fits. False when memory ran
// out, with the working image untouched.
bool PrepareFrameBuffer(QImage& working, QSize size);

// The picture view takes the stored picture's size again.
void ShowStoredSize(State& state, Views& views);

} // namespace lineora
