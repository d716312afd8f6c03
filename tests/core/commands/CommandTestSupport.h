#pragma once

#include "core/commands/FakeViews.h"
#include "core/commands/State.h"
#include "support/DecimalCharGuard.h"
#include "support/DrawnPictures.h"
#include "support/Files.h"
#include "support/ScriptedHost.h"
#include "support/WorkedExample.h"

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace lineora::test {

// A white 600 x 500 picture calibrated as the worked example (see WorkedCalibration), with
// the axis fields typed to match.
inline std::unique_ptr<State> CalibratedState() {
    auto state = std::make_unique<State>();
    state->Pics.Clean = WhitePicture(600, 500);
    state->Pics.Working = state->Pics.Clean.copy();
    state->Pics.PictureWidth = 600;
    state->Pics.PictureHeight = 500;
    state->Setup.XDirection = 1;
    state->Cal = WorkedCalibration(state->Setup);
    state->Texts.MaxX = QStringLiteral("10");
    state->Texts.MaxY = QStringLiteral("3");
    ReadAxisValues(state->Texts, state->Cal);
    return state;
}

inline int Points(const State& state, int curve = 1) {
    return state.Store.LineNext[curve] - 1;
}

inline RefPoints Ref(const State& s) {
    return Ref(s.Cal);
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
