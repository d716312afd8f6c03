#include "CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/common/Errors.h"
#include "core/picture/Rotation.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

using Answer = Host::Answer;

// A host whose progress bar fails on its first step.
class FailingProgressHost : public ScriptedHost {
public:
    void AdvanceProgress(int) override { throw CalcError("progress failed"); }
};

class PictureTools : public ::testing::Test {
protected:
    std::unique_ptr<State> state = CalibratedState();
    ScriptedHost host;
    FakeViews views;

    void SetUp() override {
        state->Cal.XMaxPointY = 380; // the X axis rises 20 pixels over 400
        QPainter painter(&state->Pics.Clean);
        painter.fillRect(200, 200, 60, 30, Qt::black);
        painter.fillRect(400, 100, 1, 1, Qt::black); // a speck
        painter.end();
        AppendPoint(state->Store, 1, 300, 200);
        AppendPoint(state->Store, 2, 350, 250);
        RedrawPicture(*state, views);
        RefreshAll(*state, views);
    }

    QString Message(const char* key) const {
        return LoadMessage(state->Messages, QString::fromLatin1(key));
    }
};

TEST_F(PictureTools, RotationDroppedAtEitherQuestionLeavesPictureCalibrationAndCurves) {
    const WorkSnapshot before = Snapshot(*state);
    host.Answers = {Answer::No, Answer::Yes, Answer::No};
    RotateToXAxis(*state, host, views);
    RotateToXAxis(*state, host, views);
    EXPECT_EQ(host.Shown, QStringList({Message("msgMessaga26"), Message("msgMessaga26"),
                                       Message("msgMessaga25")}));
    EXPECT_GT(host.ProgressCalls, 0);
    EXPECT_FALSE(host.ProgressOpen);
    EXPECT_EQ(Snapshot(*state), before);
}

TEST_F(PictureTools, RotationKeptBecomesThePictureWithAFreshLevelCalibrationAndNoCurves) {
    const auto theta = static_cast<double>(state->Cal.AxisAngleX);
    const RotatedFrame frame = RotatedFrameOf(600, 500, theta);
    QImage expected(frame.Width, frame.Height, QImage::Format_RGB32);
    RotatePicture(state->Pics.Clean, theta, frame, expected);
    const int tableChanges = views.TableChanges;

    host.Answers = {Answer::Yes, Answer::Yes};
    RotateToXAxis(*state, host, views);

    EXPECT_EQ(state->Pics.Clean, expected);
    EXPECT_EQ(state->Pics.PictureHeight, frame.Height);
    EXPECT_EQ(
        Ref(*state),
        (RefPoints{{{50, frame.Height - 50}, {frame.Width - 50, frame.Height - 50}, {50, 50}}}));
    EXPECT_EQ(state->Cal.AxisAngleX, 0);
    EXPECT_TRUE(state->Main.Axis90Mode);
    EXPECT_EQ(Points(*state, 1) + Points(*state, 2), 0);
    EXPECT_GT(views.TableChanges, tableChanges);
}

TEST_F(PictureTools, RotationFailingHalfwayClosesTheProgressAndKeepsThePicture) {
    FailingProgressHost failing;
    failing.Answers = {Answer::Yes};
    const WorkSnapshot before = Snapshot(*state);
    EXPECT_THROW(RotateToXAxis(*state, failing, views), CalcError);
    EXPECT_FALSE(failing.ProgressOpen);
    EXPECT_EQ(Snapshot(*state), before);
}

TEST_F(PictureTools, CleaningAtOneToOneKeptOrDropped) {
    SetScaleIndex(*state, views, 3);
    WorkSnapshot before = Snapshot(*state);
    before.ScaleIndex = kScaleOneToOne; // even when the cleaning is dropped
    host.Answers = {Answer::No};
    CleanPictureSpecks(*state, host, views);
    EXPECT_EQ(Snapshot(*state), before);

    host.Answers = {Answer::Yes};
    CleanPictureSpecks(*state, host, views);
    EXPECT_EQ(host.Shown, QStringList({Message("msgMessaga13"), Message("msgMessaga13")}));
    EXPECT_FALSE(host.ProgressOpen);
    QImage withoutSpeck = before.Clean.copy();
    withoutSpeck.setPixel(400, 100, qRgb(255, 255, 255));
    EXPECT_EQ(state->Pics.Clean, withoutSpeck);
    const QImage shown = state->Pics.Working.copy();
    RedrawPicture(*state, views);
    EXPECT_EQ(state->Pics.Working, shown); // axes and marks are back on the cleaned picture
}

} // namespace
} // namespace lineora::test
