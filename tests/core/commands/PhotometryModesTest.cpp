// The two light-distribution modes: point admission and mirroring, the special-point picks, the
// dialogs' settings and fields, the table and the close.

#include "CommandTestSupport.h"
#include "core/commands/PhotometryCommands.h"

namespace lineora::test {
namespace {

using Places = std::vector<PicturePoint>;

struct AdmissionCase {
    const char* name;
    int chartType; // the cartesian chart's: 1 one curve, 2 two, 3 a shifted second pair
    bool cross, longitudinal;
    int curve;
    PicturePoint click;
    Places own, partner;
    const char* limit = "60"; // the polar chart's on every half
    Extended shift = 0;       // the cartesian second pair's axis
};

// The clicked curve's own points and those of the curve it pairs with.
void ExpectAdmitted(const State& s, const AdmissionCase& c) {
    EXPECT_EQ(Positions(s.Store, c.curve), c.own);
    EXPECT_EQ(Positions(s.Store, c.curve % 2 == 1 ? c.curve + 1 : c.curve - 1), c.partner);
}

// The polar mode on the worked calibration with the outer circle at 400, so a radius is the
// distance in pixels from the zero point (100, 400): (200, 300) lies at 45 degrees, (200, 500)
// at -45, both at radius 141.
class PolarMode : public CommandTest {
protected:
    void SetUp() override {
        state->Texts.PolarMaxX = QStringLiteral("400");
        EnterPolarMode(*state, views);
    }
    // Two curves with the same limit on every half.
    void TwoCurves(bool cross, bool longitudinal, const char* limit = "60") {
        SetPolarChartType(*state, views, 2);
        SetPolarCross(*state, views, cross);
        SetPolarLong(*state, views, longitudinal);
        SetPolarAngles(*state, views, LightAngles::Different);
        PolarDialogState& dialog = state->Photometry.Spec3;
        dialog.Upper = dialog.Lower = dialog.Right = dialog.Left = QLatin1String(limit);
    }
    PolarDialogState& Dialog() { return state->Photometry.Spec3; }
};

// A click on the X axis has the angle 0 exactly: only a limit above it lets it in.
TEST_F(PolarMode, AdmitsByLimitAndSideAndMirrorsSymmetricPlanes) {
    // clang-format off
    const AdmissionCase cases[] = {
        {"upper half below the axis", 2, false, false, 1, {200, 500}, {}, {}},
        {"angle 0 on the lower half", 2, false, false, 2, {250, 400}, {{250, 400}}, {}},
        {"angle 0 at a limit of 0", 2, false, false, 1, {250, 400}, {}, {}, "0"},
        {"angle 0 within a limit of 0.01", 2, false, false, 1, {250, 400}, {{250, 400}}, {}, "0.01"},
        {"lower half beyond the limit", 2, false, false, 2, {110, 500}, {}, {}},
        {"left half above the axis", 2, false, false, 4, {200, 300}, {}, {}},
        {"cross plane mirrored from below", 2, true, false, 1, {200, 500}, {{200, 500}}, {{200, 300}}},
        {"longitudinal plane mirrored", 2, false, true, 3, {200, 300}, {{200, 300}}, {{200, 500}}},
    };
    // clang-format on
    for (const AdmissionCase& c : cases) {
        SCOPED_TRACE(c.name);
        TwoCurves(c.cross, c.longitudinal, c.limit);
        SelectLine(*state, c.curve);
        Click(c.click);
        ExpectAdmitted(*state, c);
    }
}

TEST_F(PolarMode, TheMirroredCurveFollowsAnEraseAndAClear) {
    // One curve: every click is mirrored onto curve 2.
    Click({200, 300});
    Click({300, 350});
    ASSERT_EQ(Points(*state, 2), 2);
    Click({200, 300}, Shift::Ctrl | Shift::Left);
    EXPECT_EQ(Positions(state->Store, 1), (Places{{300, 350}}));
    EXPECT_EQ(Positions(state->Store, 2), (Places{{300, 450}}));
    EXPECT_EQ(state->Store.PointPixels[2][2].Used, 0);
    host.Answers = {Host::Answer::Yes};
    ClearDataOfLine(*state, host, views);
    EXPECT_EQ(Points(*state, 1) + Points(*state, 2), 0);
}

// Every setting of the dialog, as the reset button, starts the points and special points afresh.
TEST_F(PolarMode, ASettingDiscardsThePointsAndTheAxialIntensity) {
    TwoCurves(false, false);
    Click({200, 300});
    SelectLine(*state, 4);
    Click({200, 500});
    ASSERT_EQ(Points(*state, 4), 1);
    Dialog().Int0 = QStringLiteral("55");
    ArmSpecialPick(*state, views, Tool::PolarUpper, true); // its button goes disabled
    SetPolarAngles(*state, views, LightAngles::All180);
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(Points(*state, c), 0) << "curve " << c;
    }
    EXPECT_EQ(std::pair(Dialog().Int0, state->Store.CurrentLine),
              std::pair(QStringLiteral("100"), 1));
}

struct PickCase {
    const char* name;
    Tool pick;
    PicturePoint click;
    PolarField field;
    QString text;
    std::vector<std::pair<int, PicturePoint>> special; // rows of curve 5
};

TEST_F(PolarMode, PicksPlaceTheSpecialPointsAndWriteTheirFields) {
    const PicturePoint back{0, 400}; // 180 degrees at radius 100
    // clang-format off
    const PickCase cases[] = {
        {"axial intensity", Tool::PolarI0, {100, 250}, PolarField::Int0, "  150.00", {{1, {250, 400}}}},
        {"intensity at 180", Tool::PolarI180, {100, 300}, PolarField::Alfa180, "100.00",
         {{2, back}, {3, back}, {4, back}, {5, back}}},
        {"upper, mirrored", Tool::PolarUpper, {200, 300}, PolarField::Lower, " 45.00",
         {{2, {200, 300}}, {3, {200, 500}}}},
        {"upper below the axis", Tool::PolarUpper, {200, 500}, PolarField::Upper, "60", {}},
        {"lower", Tool::PolarLower, {200, 500}, PolarField::Lower, " 45.00", {{3, {200, 500}}}},
        {"lower above the axis", Tool::PolarLower, {200, 300}, PolarField::Lower, "60", {}},
        {"right, not mirrored", Tool::PolarRight, {200, 300}, PolarField::Left, "60", {{4, {200, 300}}}},
    };
    // clang-format on
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.name);
        TwoCurves(true, false);
        Places expected = Positions(state->Store, 5);
        ArmSpecialPick(*state, views, c.pick, true);
        Click(c.click);
        EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
        EXPECT_EQ(FieldText(Dialog(), c.field), c.text);
        for (const auto& [row, at] : c.special) {
            expected[static_cast<std::size_t>(row - 1)] = at;
        }
        EXPECT_EQ(Positions(state->Store, 5), expected);
        EXPECT_EQ(Points(*state, 1), 0); // a pick is no point of a curve
    }
    // Only point mode moves the step-X crosshair: left under a pick it would stay on the picture.
    state->Main.StepXOn = true;
    ShowStepCrosshair(*state, views);
    ASSERT_TRUE(state->Pics.CrosshairOnWorking.has_value());
    const CursorId cursor = state->Main.CurrentCursor;
    ArmSpecialPick(*state, views, Tool::PolarI0, true);
    EXPECT_FALSE(state->Pics.CrosshairOnWorking.has_value());
    EXPECT_EQ(state->Main.CurrentCursor, cursor);
}

// The fields reach the table as typed: I0 in its first row, the intensity at 180 degrees in its
// limit row. A field without a number is named, and the points and the last table stay.
TEST_F(PolarMode, TheTableTakesTheFieldsAsTypedAndKeepsItOnANonNumber) {
    SetPolarAngles(*state, views, LightAngles::All180);
    Click({200, 300});
    Dialog().Int0 = QStringLiteral("123.4");
    Dialog().Alfa180 = QStringLiteral("40");
    PolarFieldEntered(*state, views, PolarField::Alfa180);
    const QString table = state->Output.MemoText;
    EXPECT_TRUE(Mentions(table, QStringLiteral("0.00      |     123.40\r\n")));
    EXPECT_TRUE(Mentions(table, QStringLiteral("180.00      |      40.00\r\n")));

    Dialog().Int0 = QStringLiteral("1x");
    EXPECT_TRUE(
        Mentions(ErrorOf<FormatError>([&] { PolarFieldEntered(*state, views, PolarField::Int0); }),
                 Message(MsgKey::FieldInt0).toStdString()));
    EXPECT_THROW(RefreshAll(*state, views), FormatError);
    EXPECT_EQ(state->Output.MemoText, table);
    EXPECT_EQ(Points(*state), 1);
}

TEST_F(PolarMode, SaveAsksBeforeReplacingAndWritesTheLinesWithCrLf) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("table.txt"));
    WriteBytes(path, "old");
    state->Output.MemoText = QStringLiteral("first\nsecond");
    // Cancel brings the dialog back; cancelling that writes nothing.
    host.FileNames = {path};
    SavePolarTable(*state, host);
    EXPECT_EQ(ReadBytes(path), QByteArray("old"));
    host.FileNames = {path, path};
    host.Answers = {Host::Answer::No, Host::Answer::Yes};
    SavePolarTable(*state, host);
    EXPECT_EQ(ReadBytes(path), QByteArray("first\r\nsecond\r\n"));
}

TEST_F(PolarMode, EnteringTakesThePolarMaximumAndCloseEndsTheModeOnlyOnYes) {
    EXPECT_EQ(Dialog().IntenMax, QStringLiteral("400"));
    // A step along X would move every click off its angle.
    state->Main.StepXOn = true;
    EnterPolarMode(*state, views);
    EXPECT_FALSE(state->Main.StepXOn);
    // The axial point is placed on the polar chart: radius 100 along the X axis.
    EXPECT_EQ(PointAt(*state, 1, 5), (PicturePoint{200, 400}));
    EXPECT_EQ(state->Store.LineNext[5], 3);
    state->Texts.MaxX = QStringLiteral("250"); // Enter in the X maximum follows it
    ApplyAxisMaxX(*state, views);
    EXPECT_EQ(Dialog().IntenMax, QStringLiteral("250"));

    state->Output.MemoText = QStringLiteral("table");
    host.Answers = {Host::Answer::No};
    EXPECT_FALSE(ClosePolarMode(*state, host, views));
    EXPECT_EQ(std::pair(state->Main.SpecialMode, state->Output.MemoText),
              std::pair(3, QStringLiteral("table")));
    host.Answers = {Host::Answer::Yes};
    ArmSpecialPick(*state, views, Tool::PolarUpper, true);
    EXPECT_TRUE(ClosePolarMode(*state, host, views));
    EXPECT_EQ(std::tuple(state->Main.SpecialMode, state->Main.ToolMode, state->Output.MemoText),
              std::tuple(0, Tool::SetPoint, QString()));
    EXPECT_TRUE(state->Photometry.LineEnabled[2]);
    EXPECT_TRUE(state->Main.ShowInput && state->Photometry.ShowInputEnabled);
}

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
        {"shifted pair, own axis", 3, true, true, 3, {340, 300}, {{380, 300}}, {{340, 300}}, "", -30},
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
        ExpectAdmitted(*state, c);
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
    EXPECT_TRUE(Mentions(error, Message(MsgKey::ShiftAxialZero).toStdString()));
    EXPECT_EQ(state->Photometry.Spec4.Koef, QStringLiteral("/0"));
    EXPECT_EQ(state->Output.MemoText, table);
}

TEST_F(CartesianMode, AFieldWithoutANumberRefusesTheClick) {
    Click({340, 300});
    state->Photometry.Spec4.MinY = QStringLiteral("-");
    const std::string error = ErrorOf<FormatError>([&] { Click({360, 250}); });
    EXPECT_TRUE(Mentions(error, Message(MsgKey::FieldMinY).toStdString()));
    EXPECT_EQ(Positions(state->Store, 1), (Places{{340, 300}}));
    EXPECT_THROW(CartesianFieldEntered(*state, views, CartesianField::MinY), FormatError);
    EXPECT_EQ(state->Texts.MinY, QStringLiteral("0"));
}

} // namespace
} // namespace lineora::test
