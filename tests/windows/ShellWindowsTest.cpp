#include "windows/WindowTestSupport.h"

#include "app/FormAbout.h"
#include "app/Startup.h"

#include <QLabel>
#include <QPushButton>

namespace lineora::test {
namespace {

struct WindowName {
    QWidget* (*get)(const Windows&);
    const char* className;
    const char* objectName;
    const char* caption;
};

template <auto Member> QWidget* Get(const Windows& windows) {
    return (windows.*Member).get();
}

class WindowSetTest : public MainWindowTest, public ::testing::WithParamInterface<WindowName> {};

TEST_P(WindowSetTest, WindowExistsWithItsClassNameAndCaption) {
    const WindowName& expected = GetParam();
    QWidget* window = expected.get(windows);
    ASSERT_NE(window, nullptr) << expected.objectName;
    EXPECT_EQ(QString::fromLatin1(window->metaObject()->className()),
              QStringLiteral("lineora::") + QLatin1String(expected.className));
    EXPECT_EQ(window->objectName(), QLatin1String(expected.objectName));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(expected.caption));
}

INSTANTIATE_TEST_SUITE_P(
    InCreationOrder, WindowSetTest,
    ::testing::Values(
        WindowName{Get<&Windows::FormLineora>, "TFormLineora", "FormLineora", "Lineora3"},
        WindowName{Get<&Windows::FormVariable>, "TFormVariable", "FormVariable", "FormVariable"},
        WindowName{Get<&Windows::FormSetup>, "TFormSetup", "FormSetup", "FormSetup"},
        WindowName{Get<&Windows::FormInput>, "TFormInput", "FormInput", "Input Date"},
        WindowName{Get<&Windows::FormTable>, "TFormTable", "FormTable", "Table of Data"},
        WindowName{Get<&Windows::FormZoom>, "TFormZoom", "FormZoom", "Zoom"},
        WindowName{Get<&Windows::formClipboard>, "TformClipboard", "formClipboard",
                   "formClipboard"},
        WindowName{Get<&Windows::FormAvtomat>, "TFormAvtomat", "FormAvtomat", "FormAvtomat"},
        WindowName{Get<&Windows::FormMoviPoint>, "TFormMoviPoint", "FormMoviPoint",
                   "FormMoviPoint"},
        WindowName{Get<&Windows::FormInputColor>, "TFormInputColor", "FormInputColor",
                   "FormInputColor"},
        WindowName{Get<&Windows::FormAvtomatColor>, "TFormAvtomatColor", "FormAvtomatColor",
                   "FormAvtomatColor"},
        WindowName{Get<&Windows::FormSpecSetPoint>, "TFormSpecSetPoint", "FormSpecSetPoint",
                   "Специальный 2"},
        WindowName{Get<&Windows::FormTestout>, "TFormTestout", "FormTestout", "FormTestout"},
        WindowName{Get<&Windows::FormVygibatel>, "TFormVygibatel", "FormVygibatel",
                   "Настройка и выпрямление графика"},
        WindowName{Get<&Windows::FormSpecInput>, "TFormSpecInput", "FormSpecInput",
                   "Ввод кол-ва точек/секунд"},
        WindowName{Get<&Windows::FormSpec2>, "TFormSpec2", "FormSpec2", "FormSpec2"},
        WindowName{Get<&Windows::FormSpec2Table>, "TFormSpec2Table", "FormSpec2Table",
                   "Таблица данных "},
        WindowName{Get<&Windows::FormBigZoom>, "TFormBigZoom", "FormBigZoom", "FormBigZoom"},
        WindowName{Get<&Windows::FormSpec3>, "TFormSpec3", "FormSpec3",
                   "KCC в полярных координатах"},
        WindowName{Get<&Windows::FormOutText>, "TFormOutText", "FormOutText", "FormOutText"},
        WindowName{Get<&Windows::FormDoubleAxisX>, "TFormDoubleAxisX", "FormDoubleAxisX",
                   "КСС в прямоуг. системе"},
        WindowName{Get<&Windows::FormAbout>, "TFormAbout", "FormAbout", "About"}));

TEST_F(MainWindowTest, NudgeWindowHasItsButtonsAndOkCloses) {
    TFormMoviPoint& nudge = *windows.FormMoviPoint;
    const std::pair<const char*, const char*> buttons[] = {{"BitBtnUp", "Up"},
                                                           {"BitBtnDown", "Down"},
                                                           {"BitBtnLeft", "Left"},
                                                           {"BitBtnRight", "Right"},
                                                           {"BitBtnClose", "OK"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = nudge.findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), QLatin1String(caption));
    }
    nudge.show();
    QTest::mouseClick(nudge.BitBtnClose, Qt::LeftButton);
    EXPECT_FALSE(nudge.isVisible());
}

TEST_F(MainWindowTest, ZoomToggleShowsAndHidesTheMagnifierOnTop) {
    TFormZoom& zoom = *windows.FormZoom;
    Press(main->SpeedButtonShowZoom);
    EXPECT_TRUE(state->Main.ShowZoom);
    EXPECT_TRUE(zoom.isVisible());
    EXPECT_TRUE(zoom.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(zoom.ImageZoom->geometry(), QRect(0, 0, 120, 120));

    Press(main->SpeedButtonShowZoom);
    EXPECT_FALSE(state->Main.ShowZoom);
    EXPECT_FALSE(zoom.isVisible());
    EXPECT_FALSE(zoom.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MainWindowTest, ToolWindowClosedByItselfStaysClosedAtTheNextCommand) {
    Press(main->SpeedButtonShowTable);
    ASSERT_TRUE(windows.FormTable->isVisible());
    windows.FormTable->close();

    Press(main->ButtonErazer);
    EXPECT_FALSE(windows.FormTable->isVisible());
    EXPECT_TRUE(main->SpeedButtonShowTable->isChecked());
}

TEST_F(MainWindowTest, MagnifierShowsTheWorkingPictureAroundTheMouse) {
    state->Pics.Working.setPixel(100, 100, qRgb(0, 0, 0));
    Press(main->SpeedButtonShowZoom);
    MoveTo(view, {100, 100});

    // The picture pixel under the mouse is the block the crosshair runs through.
    const QImage& magnified = windows.FormZoom->Magnified();
    ASSERT_EQ(magnified.size(), QSize(120, 120));
    EXPECT_EQ(magnified.pixel(59, 59), qRgb(0, 0, 0));
    EXPECT_EQ(magnified.pixel(20, 20), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, AboutShowsVersionDateAndDecimalSeparator) {
    TFormAbout& about = *windows.FormAbout;
    about.ShowVersion(QStringLiteral("v 2.10"), QStringLiteral("24/10/2001 "));
    about.ShowDecimalPointer(QLatin1Char(','));

    EXPECT_EQ(about.ProductName->text(), QStringLiteral("Lineora"));
    EXPECT_EQ(about.Version->text(), QStringLiteral("v 2.10"));
    EXPECT_EQ(about.BuildDate->text(), QStringLiteral("24/10/2001 "));
    EXPECT_EQ(about.LabelDecimalPointer->text(), QStringLiteral(","));
}

TEST_F(MainWindowTest, CommandsOfLaterWindowsSayNotAvailableYet) {
    Press(main->BitBtnRotateAlfa);
    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_EQ(host.Shown.front(), QStringLiteral("Not available yet"));
}

} // namespace
} // namespace lineora::test
