#include "CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/PictureMouse.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"

namespace lineora::test {
namespace {

using Places = std::vector<PicturePoint>;

// The double X axis mode on the worked calibration with angles from -100 to 100 and
// intensities from 0 to 300: x = 300 + 2 * angle, y = 400 - intensity.
class CartesianMode : public CommandTest {
protected:
    void SetUp() override {
        EnterCartesianMode(*state, views);
        CartesianDialogState& dialog = state->Photometry.Spec4;
        dialog.MinX1 = QStringLiteral("-100");
        dialog.MaxX1 = QStringLiteral("100");
        dialog.MaxY = QStringLiteral("300");
        for (CartesianField field : {CartesianField::MinX1, CartesianField::MaxX1,
                                     CartesianField::MinY, CartesianField::MaxY}) {
            CartesianFieldEntered(*state, views, field);
        }
    }
    void Click(PicturePoint at, std::uint32_t shift = Shift::Left) {
        PictureMouseDown(*state, host, views, shift, at.X, at.Y);
        PictureMouseUp(*state, views);
    }
};

struct AdmissionCase {
    const char* name;
    int chartType;
    bool cross, longitudinal;
    int curve;
    PicturePoint click;
    Places own, partner;
    Extended shift = 0; // of the second pair's axis
};

TEST_F(CartesianMode, TheClickedCurveGetsThePositiveHalf) {
    // clang-format off
    const AdmissionCase cases[] = {
        {"negative angle, one curve", 1, true, true, 1, {260, 300}, {{340, 300}}, {{260, 300}}},
        {"angle 0 has no twin", 1, true, true, 1, {300, 300}, {{300, 300}}, {}},
        {"negative intensity", 1, true, true, 1, {340, 450}, {}, {}},
        {"lower half, negative angle", 2, false, false, 2, {260, 300}, {{260, 300}}, {}},
        {"right half mirrored", 2, false, true, 3, {260, 300}, {{340, 300}}, {{260, 300}}},
        // The axis at +30: a click at 20 lies at -10 from it, so the left half takes it.
        {"shifted pair, own axis", 3, true, true, 3, {340, 300}, {{380, 300}}, {{340, 300}}, -30},
    };
    // clang-format on
    for (const AdmissionCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetCartesianCross(*state, views, c.cross);
        SetCartesianLong(*state, views, c.longitudinal);
        ChooseCartesianTwoCurves(*state, views, c.chartType == 3);
        if (c.chartType == 1) {
            ChooseCartesianOneCurve(*state, views);
        }
        state->Photometry.Spec4Shift = c.shift;
        SelectLine(*state, c.curve);
        Click(c.click);
        EXPECT_EQ(Positions(state->Store, c.curve), c.own);
        EXPECT_EQ(Positions(state->Store, c.curve % 2 == 1 ? c.curve + 1 : c.curve - 1), c.partner);
    }
}

// The polar mode's test clears the pair too.
TEST_F(CartesianMode, TheMirroredCurveFollowsAnErase) {
    Click({340, 300});
    Click({360, 250});
    ASSERT_EQ(Positions(state->Store, 2), (Places{{240, 250}, {260, 300}}));
    SetToolMode(*state, views, Tool::Eraser, CursorId::Eraser);
    Click({340, 300});
    EXPECT_EQ(Positions(state->Store, 1), (Places{{360, 250}}));
    EXPECT_EQ(Positions(state->Store, 2), (Places{{240, 250}}));
}

// A second pair without axial intensity cannot be shifted onto the first: "/0" beside the chart
// type, and the last table stays.
TEST_F(CartesianMode, PicksPlaceTheAxialPointsAndRefuseASecondPairWithoutIntensity) {
    ChooseCartesianTwoCurves(*state, views, true);
    ArmSpecialPick(*state, views, Tool::PairI0, true);
    Click({340, 250});
    EXPECT_EQ(PointAt(*state, 1, 5), (PicturePoint{300, 250}));
    ArmSpecialPick(*state, views, Tool::PairAxis2, true);
    Click({360, 200});
    EXPECT_EQ(PointAt(*state, 2, 5), (PicturePoint{360, 200}));

    const QString table = state->Output.MemoText;
    ArmSpecialPick(*state, views, Tool::PairAxis2, true);
    const std::string error = ErrorOf<CalcError>([&] { Click({360, 400}); });
    EXPECT_TRUE(
        Mentions(error, LoadMessage(state->Messages, MsgKey::ShiftAxialZero).toStdString()));
    EXPECT_EQ(state->Photometry.Spec4.Koef, QStringLiteral("/0"));
    EXPECT_EQ(state->Output.MemoText, table);
}

TEST_F(CartesianMode, AFieldWithoutANumberRefusesTheClick) {
    Click({340, 300});
    state->Photometry.Spec4.MinY = QStringLiteral("-");
    const std::string error = ErrorOf<FormatError>([&] { Click({360, 250}); });
    EXPECT_TRUE(Mentions(error, LoadMessage(state->Messages, MsgKey::FieldMinY).toStdString()));
    EXPECT_EQ(Positions(state->Store, 1), (Places{{340, 300}}));
    EXPECT_THROW(CartesianFieldEntered(*state, views, CartesianField::MinY), FormatError);
    EXPECT_EQ(state->Texts.MinY, QStringLiteral("0"));
}

} // namespace
} // namespace lineora::test
