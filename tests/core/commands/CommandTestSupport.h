#pragma once

#include "core/commands/FakeViews.h"
#include "core/commands/State.h"
#include "support/DecimalCharGuard.h"
#include "support/ScriptedHost.h"

#include <array>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace lineora::test {

// A white 600 x 500 picture calibrated as the worked example: zero (100,400), X-max (500,400),
// Y-max (100,100), X 0..10 and Y 0..3, so one X unit is 40 pixels and one Y unit 100.
inline std::unique_ptr<State> CalibratedState() {
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

// The zero, X-max and Y-max reference points.
using RefPoints = std::array<PicturePoint, 3>;
inline RefPoints Ref(const State& s) {
    const Calibration& c = s.Cal;
    return {
        {{c.ZeroPointX, c.ZeroPointY}, {c.XMaxPointX, c.XMaxPointY}, {c.YMaxPointX, c.YMaxPointY}}};
}

inline PicturePoint PointAt(const State& state, int row, int curve = 1) {
    const auto& entry = state.Store.PointPixels[row][curve];
    return {entry.PixX, entry.PixY};
}

// A disk that fills up in the middle of a write, as every user (root included) meets it: files
// this process writes may not grow past `bytes` while it lives. SIGXFSZ is ignored so the write
// fails instead of the process being killed.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace lineora::test
