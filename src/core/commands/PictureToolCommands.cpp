// The two whole-picture tools of the main window: turning the picture onto its calibrated X
// axis and cleaning it of specks. Both show their result and let the user keep or drop it.

#include "core/commands/Commands.h"
#include "core/commands/PictureToolSupport.h"
#include "core/commands/ProgressScope.h"
#include "core/commands/UndoCommands.h"

#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/common/NumberText.h"
#include "core/picture/Rotation.h"
#include "core/picture/SpeckCleaning.h"

#include <new>
#include <numbers>
#include <utility>

namespace lineora {

QString NoMemoryText(const QString& task, int width, int height) {
    return QStringLiteral("There is not enough memory to %1 a picture of %2 x %3 pixels. The "
                          "picture is left as it was.")
        .arg(task)
        .arg(width)
        .arg(height);
}

bool PrepareFrameBuffer(QImage& working, QSize size) {
    if (working.size() == size && working.format() == QImage::Format_RGB32 &&
        working.isDetached()) {
        return true;
    }
    QImage fresh(size, QImage::Format_RGB32);
    if (fresh.isNull()) {
        return false;
    }
    working = std::move(fresh);
    return true;
}

void ShowStoredSize(State& state, Views& views) {
    state.Pics.PictureWidth = state.Pics.Clean.width();
    state.Pics.PictureHeight = state.Pics.Clean.height();
    views.ViewScaleChanged();
}

namespace {

// The turned picture becomes the stored one, with the reference points 50 pixels in from its
// edges, the axes level and locked at a right angle, and every curve emptied: the old points
// belong to the old picture.
void KeepRotation(State& state, Views& views, const RotatedFrame& frame) {
    Calibration& cal = state.Cal;
    cal.Points() = {.ZeroPointX = 50,
                    .ZeroPointY = frame.Height - 50,
                    .XMaxPointX = frame.Width - 50,
                    .XMaxPointY = frame.Height - 50,
                    .YMaxPointX = 50,
                    .YMaxPointY = 50};
    cal.AxisAngleX = 0;
    views.ShowStatus(3, FormatPattern(QStringLiteral(" (%3.6f)"),
                                      {cal.AxisAngleX * 180 / std::numbers::pi_v<Extended>}));
    state.Main.Axis90ButtonDown = true;
    state.Main.DrawLineButtonDown = false;
    state.Main.Axis90Mode = true;
    LevelAxes(cal, {}); // the redraw below draws the axes
    // Sizes are already the frame's. The old stored picture is let go before the redraw
    // allocates a working image of the new size.
    state.Pics.Clean = std::move(state.Pics.Working);
    state.Pics.Working = QImage();
    ClearAllLines(state.Store);
}

} // namespace

void RotateToXAxis(State& state, Host& host, Views& views) {
    NameUserAction(state, MsgKey::StepRotation);
    if (state.Cal.AxisAngleX == 0 || state.Pics.Clean.isNull()) {
        return;
    }
    const auto theta = static_cast<double>(state.Cal.AxisAngleX);
    // An angle that cannot be turned is refused before the question.
    const RotatedFrame frame =
        RotatedFrameOf(state.Pics.PictureWidth, state.Pics.PictureHeight, theta);
    if (!host.AskYesNo(LoadMessage(state.Messages, MsgKey::LevelXAxis))) {
        return;
    }
    if (!PrepareFrameBuffer(state.Pics.Working, QSize(frame.Width, frame.Height))) {
        host.ShowMessage(NoMemoryText(QStringLiteral("turn"), state.Pics.PictureWidth,
                                      state.Pics.PictureHeight));
        return;
    }
    state.Pics.CrosshairOnWorking.reset(); // the turned picture replaces every pixel
    state.Pics.PictureWidth = frame.Width;
    state.Pics.PictureHeight = frame.Height;
    views.ViewScaleChanged();
    try {
        ProgressScope scope(host, frame.Height);
        RotatePicture(state.Pics.Clean, theta, frame, state.Pics.Working, scope.Reporter(&views));
    } catch (...) {
        ShowStoredSize(state, views);
        RedrawPicture(state, views);
        throw;
    }
    const bool keep = host.AskYesNo(LoadMessage(state.Messages, MsgKey::KeepRotatedPicture));
    if (keep) {
        KeepRotation(state, views, frame);
    } else {
        ShowStoredSize(state, views);
    }
    RedrawPicture(state, views);
    if (keep) {
        RefreshTable(state, views); // the emptied curves leave the table and the text output
    }
}

void CleanPictureSpecks(State& state, Host& host, Views& views) {
    NameUserAction(state, MsgKey::StepSpecks);
    if (state.Pics.Clean.isNull()) {
        return;
    }
    RestorePicture(state.Pics);
    SetScaleIndex(state, views, kScaleOneToOne);
    try {
        ProgressScope scope(host, state.Pics.Working.width() - 2);
        CleanSpecks(state.Pics.Working, state.Main.DarkLimit, scope.Reporter(&views));
    } catch (const std::bad_alloc&) {
        RedrawPicture(state, views);
        host.ShowMessage(NoMemoryText(QStringLiteral("clean"), state.Pics.PictureWidth,
                                      state.Pics.PictureHeight));
        return;
    } catch (...) {
        RedrawPicture(state, views);
        throw;
    }
    AskToKeepWorkingPicture(state, host, views);
    RedrawPicture(state, views);
}

void AskToKeepWorkingPicture(State& state, Host& host, Views& views) {
    views.PictureChanged();
    if (host.AskYesNo(LoadMessage(state.Messages, MsgKey::KeepCleanedPicture))) {
        // The working image becomes the stored one; the redraw copies it back into the other
        // buffer, which has the same size.
        std::swap(state.Pics.Clean, state.Pics.Working);
    }
}

} // namespace lineora
