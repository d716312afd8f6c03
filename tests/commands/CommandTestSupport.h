#pragma once

#include "commands/FakeViews.h"
#include "commands/State.h"
#include "common/NumberText.h"
#include "support/ScriptedHost.h"

#include <memory>

namespace lineora::test {

// A white 600 x 500 picture calibrated as the worked example: zero (100,400), X-max (500,400),
// Y-max (100,100), X 0..10 and Y 0..3, so one X unit is 40 pixels and one Y unit 100.
inline std::unique_ptr<State> CalibratedState() {
    SetDecimalChar(QLatin1Char('.'));
    auto state = std::make_unique<State>();
    state->Pics.Clean = QImage(600, 500, QImage::Format_RGB32);
    state->Pics.Clean.fill(Qt::white);
    state->Pics.Working = state->Pics.Clean.copy();
    state->Pics.PictureWidth = 600;
    state->Pics.PictureHeight = 500;
    state->Setup.XDirection = 1;
    state->Cal.ZeroPointX = 100;
    state->Cal.ZeroPointY = 400;
    state->Cal.XMaxPointX = 500;
    state->Cal.XMaxPointY = 400;
    state->Cal.YMaxPointX = 100;
    state->Cal.YMaxPointY = 100;
    state->Texts.MaxX = QStringLiteral("10");
    state->Texts.MaxY = QStringLiteral("3");
    ReadAxisValues(state->Texts, state->Cal);
    ComputeAxisAngles(state->Cal, state->Setup);
    return state;
}

inline int Points(const State& state, int curve = 1) {
    return state.Store.LineNext[curve] - 1;
}

inline PicturePoint PointAt(const State& state, int row, int curve = 1) {
    const auto& entry = state.Store.PointPixels[row][curve];
    return {entry.PixX, entry.PixY};
}

} // namespace lineora::test
