#include "app/KeyPreFilter.h"
#include "app/QtHost.h"
#include "app/Splash.h"
#include "common/ErrorBoundary.h"
#include "common/Errors.h"
#include "support/ScriptedHost.h"

#include <QKeyEvent>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>

namespace lineora::test {
namespace {

struct FilterCase {
    const char* given;
    const char* qt;
};

class FileFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, PairsBecomeQtFilterEntries) {
    EXPECT_EQ(QtFileFilter(QString::fromLatin1(GetParam().given)),
              QString::fromLatin1(GetParam().qt));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FileFilterTest,
    ::testing::Values(FilterCase{"Bitmaps (*.bmp)|*.bmp", "Bitmaps (*.bmp)"},
                      FilterCase{"GRA file|*.gra", "GRA file (*.gra)"},
                      FilterCase{"Txt File|*.txt|All|*.*", "Txt File (*.txt);;All (*.*)"},
                      FilterCase{"Pictures|*.bmp;*.png", "Pictures (*.bmp *.png)"},
                      FilterCase{"Text (*.txt)", "Text (*.txt)"}));

struct KeyCase {
    int qtKey;
    Key key;
};

class KeyMappingTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyMappingTest, QtKeyBecomesTheProgramsKey) {
    EXPECT_EQ(KeyOfQtKey(GetParam().qtKey), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMappingTest,
    ::testing::Values(KeyCase{Qt::Key_Q, Key::Q}, KeyCase{Qt::Key_Up, Key::Up},
                      KeyCase{Qt::Key_Down, Key::Down}, KeyCase{Qt::Key_Left, Key::Left},
                      KeyCase{Qt::Key_Right, Key::Right}, KeyCase{Qt::Key_Space, Key::Space},
                      KeyCase{Qt::Key_W, Key::Other}, KeyCase{Qt::Key_Return, Key::Other},
                      KeyCase{Qt::Key_PageUp, Key::Other}));

TEST(PreFilterTest, MenuKeysPassAndEverythingElseIsTaken) {
    const auto taken = [](int key, Qt::KeyboardModifiers modifiers) {
        return IsPreFilteredKey(QKeyEvent(QEvent::KeyPress, key, modifiers));
    };
    EXPECT_TRUE(taken(Qt::Key_Q, Qt::NoModifier));
    EXPECT_TRUE(taken(Qt::Key_Q, Qt::ControlModifier));
    EXPECT_TRUE(taken(Qt::Key_Q, Qt::ShiftModifier));
    EXPECT_TRUE(taken(Qt::Key_Shift, Qt::ShiftModifier));
    EXPECT_FALSE(taken(Qt::Key_F, Qt::AltModifier));
    EXPECT_FALSE(taken(Qt::Key_Alt, Qt::AltModifier));
    EXPECT_FALSE(taken(Qt::Key_F10, Qt::NoModifier));
}

struct ThrowCase {
    std::function<void()> action;
    const char* shown;
};

class ErrorBoundaryTest : public ::testing::TestWithParam<ThrowCase> {};

TEST_P(ErrorBoundaryTest, ErrorTextIsShownOnceAndTheEventStops) {
    ScriptedHost host;
    bool after = false;
    const bool completed = Guarded(host, [&] {
        GetParam().action();
        after = true;
    });

    EXPECT_FALSE(completed);
    EXPECT_FALSE(after);
    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_EQ(host.Shown.front(), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorBoundaryTest,
    ::testing::Values(
        ThrowCase{[] { throw CalcError("Division by zero"); }, "Division by zero"},
        ThrowCase{[] { throw FileError("Cannot read chart.bmp"); }, "Cannot read chart.bmp"},
        ThrowCase{[] { throw FormatError("\"1,2,3\" is no number"); }, "\"1,2,3\" is no number"},
        ThrowCase{[] { throw std::runtime_error("other"); }, "other"},
        ThrowCase{[] { throw 42; }, "Unexpected error"}));

TEST(ErrorBoundaryTest, ActionWithoutErrorShowsNothing) {
    ScriptedHost host;
    EXPECT_TRUE(Guarded(host, [] {}));
    EXPECT_TRUE(host.Shown.isEmpty());
}

TEST(SplashTest, WaitsOnlyWhenAsked) {
    SplashWindow waiting(QStringLiteral("v 2.10"), QStringLiteral("24/10/2001 "), true);
    EXPECT_TRUE(waiting.TimerRunning());
    EXPECT_EQ(waiting.LabelVersion->text(), QStringLiteral("v 2.10"));
    EXPECT_EQ(waiting.LabelDate->text(), QStringLiteral("24/10/2001 "));

    SplashWindow quick(QStringLiteral("v 2.10"), QString(), false);
    quick.show();
    EXPECT_FALSE(quick.TimerRunning());
    quick.WaitAndClose();
    EXPECT_FALSE(quick.isVisible());
}

} // namespace
} // namespace lineora::test
