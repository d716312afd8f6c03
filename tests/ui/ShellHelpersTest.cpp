#include "core/commands/StraightenCommands.h"
#include "ui/app/KeyPreFilter.h"
#include "ui/app/QtHost.h"
#include "ui/app/Splash.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>

namespace lineora::test {
namespace {

TEST(FileFilterTest, PairsBecomeQtFilterEntries) {
    const std::pair<const char*, const char*> cases[] = {
        {"Bitmaps (*.bmp)|*.bmp", "Bitmaps (*.bmp)"},
        {"Txt File|*.txt|All|*.*", "Txt File (*.txt);;All (*.*)"},
        {"Pictures|*.bmp;*.png", "Pictures (*.bmp *.png)"},
        {"Text (*.txt)", "Text (*.txt)"}};
    for (const auto& [given, qt] : cases) {
        EXPECT_EQ(QtFileFilter(QString::fromLatin1(given)), QString::fromLatin1(qt)) << given;
    }
}

// The straightener's question breaks its line with a lone CR, which a Qt box would not show.
TEST(MessageBoxTest, ShowsEveryLineOfAQuestion) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::Yes)->click();
        }
    });
    QtHost host;
    EXPECT_TRUE(host.AskYesNo(kStraightenQuestion));
    EXPECT_EQ(shown.split(QLatin1Char('\n')).size(), 2) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1Char('\r')));
}

TEST(KeyMappingTest, QtKeyBecomesTheProgramsKey) {
    const std::pair<int, Key> cases[] = {
        {Qt::Key_Q, Key::Q},       {Qt::Key_Up, Key::Up},        {Qt::Key_Down, Key::Down},
        {Qt::Key_Left, Key::Left}, {Qt::Key_Right, Key::Right},  {Qt::Key_Space, Key::Space},
        {Qt::Key_W, Key::Other},   {Qt::Key_Return, Key::Other}, {Qt::Key_PageUp, Key::Other}};
    for (const auto& [qtKey, key] : cases) {
        EXPECT_EQ(KeyOfQtKey(qtKey), key) << qtKey;
    }
}

TEST(PreFilterTest, MenuKeysPassAndEverythingElseIsTaken) {
    const auto taken = [](int key, Qt::KeyboardModifiers modifiers) {
        return IsPreFilteredKey(QKeyEvent(QEvent::KeyPress, key, modifiers));
    };
    EXPECT_TRUE(taken(Qt::Key_Q, Qt::ControlModifier));
    EXPECT_TRUE(taken(Qt::Key_Shift, Qt::ShiftModifier));
    EXPECT_FALSE(taken(Qt::Key_F, Qt::AltModifier));
    EXPECT_FALSE(taken(Qt::Key_F10, Qt::NoModifier));
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
