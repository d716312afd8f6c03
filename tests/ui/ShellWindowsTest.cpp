#include "ui/WindowTestSupport.h"

#include "ui/app/FormHelp.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <string>

namespace lineora::test {
namespace {

struct WindowName {
    QWidget* (*get)(const Windows&);
    const char* name; // the object name; the class name is "T" and this
    const char* caption;
    const char* controls = ""; // the names the program, its language and setup files rely on
};

template <auto Member> QWidget* Get(const Windows& windows) {
    return (windows.*Member).get();
}

class WindowSetTest : public MainWindowTest, public ::testing::WithParamInterface<WindowName> {};

TEST_P(WindowSetTest, WindowExistsWithItsClassNameCaptionAndNamedControls) {
    const WindowName& expected = GetParam();
    QWidget* window = expected.get(windows);
    ASSERT_NE(window, nullptr) << expected.name;
    EXPECT_EQ(QString::fromLatin1(window->metaObject()->className()),
              QStringLiteral("lineora::T") + QLatin1String(expected.name));
    EXPECT_EQ(window->objectName(), QLatin1String(expected.name));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(expected.caption));
    for (const QString& name :
         QString::fromLatin1(expected.controls).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        EXPECT_NE(window->findChild<QObject*>(name), nullptr) << name.toStdString();
    }
}

const char* const kMainControls =
    // Toolbar buttons, both rows.
    "ButtonFileOpen ButtonCopyFromClipboard SpeedButtonBMPSave ButtonCopyToClipboard "
    "ButtonSetZeroPoint ButtonSetXMaxPoint ButtonSetYMaxPoint SpeedButtonOn3click ButtonSetPoint "
    "SpeedButtonLine1 SpeedButtonLine2 SpeedButtonLine3 SpeedButtonLine4 SpeedButtonLine5 "
    "ButtonErazer ButtonClearData ButtonPasteLine ButtonFindOnLine ButtonInputColor "
    "ButtonFindByColor BitBtnRotateAlfa ButtonClearImage SpeedButtonNoneRezim BTNZOOM "
    "SpeedButtonDrawLine ButtonAvtoCorrect SpeedButtonAxis90 ButtonStepX ButtonViewSetup "
    "SpeedButtonShowInput SpeedButtonShowTable SpeedButtonViewText SpeedButtonShowZoom "
    "SpeedButton2 SpeedButton3Arc SpeedButtonVigibatel SpeedButtonSpec2 SpeedButtonSpec3 "
    "SpeedButtonSpec4 SpeedButtonSetPalitra ButtonZoom ButtonSelectCursor "
    // Main menu and popup menus.
    "Menu1File menuOpenBMP menufromClipboard menuOpenData menuSaveData MenuExit Menu1Show "
    "menuShowTable menuShowSetup menuShowZoom menuShowInput Menu1Data menuCopytoClipboard "
    "menuSaveToFile menuCleardata menuDeleteAll menuSaveBMPtoFile Menu1Digitaze MenuInput00 "
    "MenuInputXmax MenuInputYmax MenuInputPoint MenuErazer Menu1Mode MenuAutocorrection "
    "MenuOnDeltaX Menu1Action MenuClearGrafik MenuPasteLine MenuFindOnLine MenuFindByColor "
    "MenuInputColor MenuAvtomat Menu1Help MenuHelp MenuAbout mastab1 mastab2 mastab3 mastab4 "
    "mastab5 mastab6 mastab7 Diag vert Handle Circle Strela MenuItempf1bit MenuItempf4bit "
    "MenuItempf8bit MenuItempf15bit MenuItempf16bit MenuItempf24bit MenuItempf32bit "
    // The picture and the status bar.
    "imgGrafik StatusBar1.Panel0 StatusBar1.Panel1 StatusBar1.Panel2 StatusBar1.Panel3 "
    "StatusBar1.Panel4 StatusBar1.Panel5 ProgressBar1";

const char* const kSetupControls =
    "ButtonSetColor1 ButtonSetColor2 ButtonSetColor3 ButtonSetColor4 ButtonSetColor5 "
    "ButtonSetColorAxes Metka1Shape Metka2Shape Metka3Shape Metka4Shape Metka5Shape Metka6Shape "
    "SpinEditDiametr CheckBoxFillMetka RadioButtonDrawKoord1 RadioButtonDrawKoord2 "
    "SpinEditLineKoordWidth CheckBoxLineKoordInvert CheckBoxMetkaX RadioButtonStandart "
    "RadioButtonScientific CheckBoxData_Point RadioButtonSetPointer1 RadioButtonSetPointer2 "
    "RadioButtonSetPointer3 RadioButtonSetEnglish RadioButtonSetRussian RadioButtonMakeSort "
    "RadioButtonNoSort RadioButtonScalaNormalX RadioButtonScalaLogarifm10X "
    "RadioButtonScalaLogarifmNatX RadioButtonScalaNormalY RadioButtonScalaLogarifm10Y "
    "RadioButtonScalaLogarifmNatY EditFromX EditStepX RadioButtonNormalCurve "
    "RadioButtonCircleCurve RadioButtonXtoLeft RadioButtonXtoRight CheckBoxSaveScalaKoord "
    "CheckBoxLoadScalaKoord CheckBoxAutoSave ButtonConfigSave ButtonGoToMain GroupBox2 "
    "RxSpinButton1 LabelKolvookr GroupBoxInputColor ShapeLineGrafik ShapeBackground";

using W = Windows;
const WindowName kWindowsInCreationOrder[] = {
    {Get<&W::FormLineora>, "FormLineora", "Lineora3", kMainControls},
    {Get<&W::FormVariable>, "FormVariable", "FormVariable"},
    {Get<&W::FormSetup>, "FormSetup", "FormSetup", kSetupControls},
    {Get<&W::FormInput>, "FormInput", "Input Date"},
    {Get<&W::FormTable>, "FormTable", "Table of Data", "Tabl"},
    {Get<&W::FormZoom>, "FormZoom", "Zoom"},
    {Get<&W::formClipboard>, "formClipboard", "formClipboard"},
    {Get<&W::FormAvtomat>, "FormAvtomat", "FormAvtomat"},
    {Get<&W::FormMoviPoint>, "FormMoviPoint", "FormMoviPoint",
     "BitBtnUp BitBtnDown BitBtnLeft BitBtnRight BitBtnClose"},
    {Get<&W::FormInputColor>, "FormInputColor", "FormInputColor"},
    {Get<&W::FormAvtomatColor>, "FormAvtomatColor", "FormAvtomatColor"},
    {Get<&W::FormSpecSetPoint>, "FormSpecSetPoint", "Специальный 2"},
    {Get<&W::FormTestout>, "FormTestout", "FormTestout"},
    {Get<&W::FormVygibatel>, "FormVygibatel", "Настройка и выпрямление графика"},
    {Get<&W::FormSpecInput>, "FormSpecInput", "Ввод кол-ва точек/секунд"},
    {Get<&W::FormSpec2>, "FormSpec2", "FormSpec2"},
    {Get<&W::FormSpec2Table>, "FormSpec2Table", "Таблица данных "},
    {Get<&W::FormBigZoom>, "FormBigZoom", "FormBigZoom"},
    {Get<&W::FormSpec3>, "FormSpec3", "KCC в полярных координатах"},
    {Get<&W::FormOutText>, "FormOutText", "FormOutText", "MemoTextOut"},
    {Get<&W::FormDoubleAxisX>, "FormDoubleAxisX", "КСС в прямоуг. системе"},
    {Get<&W::FormAbout>, "FormAbout", "About"}};

INSTANTIATE_TEST_SUITE_P(InCreationOrder, WindowSetTest,
                         ::testing::ValuesIn(kWindowsInCreationOrder),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ZoomToggleShowsTheMagnifierOnTopAroundTheMouse) {
    TFormZoom& zoom = *windows.FormZoom;
    state->Pics.Working.setPixel(100, 100, qRgb(0, 0, 0));
    Press(main->SpeedButtonShowZoom);
    EXPECT_TRUE(state->Main.ShowZoom);
    EXPECT_TRUE(zoom.isVisible());
    EXPECT_TRUE(zoom.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    MoveTo(view, {100, 100});
    // The picture pixel under the mouse is the block the crosshair runs through.
    const QImage& magnified = zoom.Magnified();
    ASSERT_EQ(magnified.size(), QSize(120, 120));
    EXPECT_EQ(magnified.pixel(59, 59), qRgb(0, 0, 0));
    EXPECT_EQ(magnified.pixel(20, 20), qRgb(255, 255, 255));

    Press(main->SpeedButtonShowZoom);
    EXPECT_FALSE(state->Main.ShowZoom);
    EXPECT_FALSE(zoom.isVisible());
    EXPECT_FALSE(zoom.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MainWindowTest, ToolWindowClosedByItsCloseBoxComesBackFromItsMenuItemAndButton) {
    struct Toggle {
        QToolButton* Button;
        QAction* MenuItem;
        QWidget* Window;
    };
    for (const Toggle& toggle :
         {Toggle{main->SpeedButtonShowTable, main->menuShowTable, windows.FormTable.get()},
          Toggle{main->SpeedButtonShowZoom, main->menuShowZoom, windows.FormZoom.get()},
          Toggle{main->SpeedButtonShowInput, main->menuShowInput, windows.FormInput.get()}}) {
        SCOPED_TRACE(toggle.Window->objectName().toStdString());
        Press(toggle.Button);
        ASSERT_TRUE(toggle.Window->isVisible());
        toggle.Window->close();
        Press(main->ButtonErazer);
        EXPECT_FALSE(toggle.Window->isVisible());
        EXPECT_FALSE(toggle.Button->isChecked());

        toggle.MenuItem->trigger();
        EXPECT_TRUE(toggle.Window->isVisible());
        EXPECT_TRUE(toggle.Button->isChecked());
        toggle.Window->close();
        Press(toggle.Button);
        EXPECT_TRUE(toggle.Window->isVisible());
        EXPECT_TRUE(toggle.Button->isChecked());
    }
}

TEST_F(MainWindowTest, HelpMenuShowsThePageOfTheChosenLanguageInItsOwnWindow) {
    QTemporaryDir folder;
    state->Main.AppDir = folder.path();
    for (const char* language : {"e", "r"}) {
        state->Main.HelpFileName = QStringLiteral("lineora2_%1.html").arg(language);
        QFile page(folder.filePath(state->Main.HelpFileName));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(QStringLiteral("<html><head><title>Help %1</title></head><body>Page %1</body>")
                       .arg(language)
                       .toUtf8());
        page.close();

        main->MenuHelp->trigger();
        const auto* help = main->findChild<TFormHelp*>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), QStringLiteral("Help %1").arg(language));
        EXPECT_EQ(help->Browser->toPlainText(), QStringLiteral("Page %1").arg(language));
    }
    EXPECT_TRUE(host.Shown.isEmpty());
}

TEST_F(MainWindowTest, PictureToolButtonsAndMenuRunTheirCommands) {
    Press(main->BitBtnRotateAlfa); // the X axis is level: nothing to turn, nothing asked
    EXPECT_TRUE(host.Shown.isEmpty());
    Press(main->ButtonClearImage);
    main->MenuClearGrafik->trigger();
    const QString keep = LoadMessage(state->Messages, QStringLiteral("msgMessaga13"));
    EXPECT_EQ(host.Shown, QStringList({keep, keep}));
}

} // namespace
} // namespace lineora::test
