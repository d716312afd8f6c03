#pragma once

#include "core/commands/Commands.h"
#include "core/commands/FakeViews.h"
#include "core/commands/PictureMouse.h"
#include "core/commands/State.h"
#include "core/common/Color.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "support/DecimalCharGuard.h"
#include "support/DrawnPictures.h"
#include "support/Files.h"
#include "support/ScriptedHost.h"
#include "support/WorkedExample.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <memory>
#include <ostream>
#include <sys/resource.h>
#include <tuple>
#include <vector>

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

// The calibrated state, a host that answers from queues and views that count.
class CommandTest : public ::testing::Test {
protected:
    std::unique_ptr<State> state = CalibratedState();
    ScriptedHost host;
    FakeViews views;

    // A press and release on the picture at screen position `at`.
    void Click(PicturePoint at, std::uint32_t shift = Shift::Left) {
        PictureMouseDown(*state, host, views, shift, at.X, at.Y);
        PictureMouseUp(*state, views);
    }
    QString Message(QLatin1String key) const { return LoadMessage(state->Messages, key); }
};

inline int Points(const State& state, int curve = 1) {
    return state.Store.LineNext[curve] - 1;
}

inline PicturePoint PointAt(const State& state, int row, int curve = 1) {
    const auto& entry = state.Store.PointPixels[row][curve];
    return {entry.PixX, entry.PixY};
}

// What a refused or cancelled command leaves as it was: the points and their values, the
// calibration and axis fields, the pictures, the tool, the scale and the file names.
struct WorkSnapshot {
    std::array<std::vector<PicturePoint>, kCurveCount + 1> Curves;
    Extended FirstValueX;
    RefPoints Refs;
    QStringList Texts;
    ScaleKind ScaleX, ScaleY;
    QImage Clean, Working;
    int Width, Height, ScaleIndex;
    decltype(MainState::ToolMode) ToolMode;
    QString GraFileName, PictureFileName;
    bool operator==(const WorkSnapshot&) const = default;
    friend void PrintTo(const WorkSnapshot& w, std::ostream* os) {
        *os << ::testing::PrintToString(std::tuple{w.Curves, w.Refs, w.Texts, w.Clean, w.Working,
                                                   w.Width, w.Height, w.ScaleIndex, w.GraFileName,
                                                   w.PictureFileName});
    }
};

inline WorkSnapshot Snapshot(const State& s) {
    WorkSnapshot w{{},
                   s.Store.PointValues[1][1].ValX,
                   Ref(s.Cal),
                   {s.Texts.MinX, s.Texts.MaxX, s.Texts.MinY, s.Texts.MaxY, s.Texts.PolarMaxX},
                   s.Setup.ScaleX,
                   s.Setup.ScaleY,
                   s.Pics.Clean.copy(),
                   s.Pics.Working.copy(),
                   s.Pics.PictureWidth,
                   s.Pics.PictureHeight,
                   s.Main.ScaleIndex,
                   s.Main.ToolMode,
                   s.Main.GraFileName,
                   s.Pics.PictureFileName};
    for (int c = 1; c <= kCurveCount; ++c) {
        w.Curves[static_cast<std::size_t>(c)] = Positions(s.Store, c);
    }
    return w;
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
