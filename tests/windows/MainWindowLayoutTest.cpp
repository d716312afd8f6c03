#include "windows/WindowTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>

namespace lineora::test {
namespace {

TEST_F(MainWindowTest, ResizingBelowTheMinimumGivesTheMinimumClientArea) {
    main->ResizeClient({600, 400});
    QApplication::processEvents();

    EXPECT_EQ(main->ClientSize(), QSize(780, 580));
    EXPECT_EQ(main->ScrollBox1->geometry(), QRect(0, 56, 780, 493));
}

TEST_F(MainWindowTest, PlainResizeOfTheWindowKeepsTheMinimumToo) {
    main->resize(600, 400);
    QApplication::processEvents();

    EXPECT_EQ(main->ClientSize(), QSize(780, 580));
    EXPECT_EQ(main->ScrollBox1->size(), QSize(780, 493));
}

TEST_F(MainWindowTest, LargerWindowGivesThePictureBoxAllButTheReservedHeight) {
    main->ResizeClient({900, 700});
    QApplication::processEvents();

    EXPECT_EQ(main->ScrollBox1->geometry(), QRect(0, 56, 900, 613));
    EXPECT_EQ(main->StatusBar1->geometry().bottom(), 699);
}

struct ButtonPlace {
    const char* name;
    int left;
    int top;
    int width;
    bool checkable;
};

class ToolbarButtonTest : public MainWindowTest,
                          public ::testing::WithParamInterface<ButtonPlace> {};

TEST_P(ToolbarButtonTest, ExistsByNameAtItsPlace) {
    const ButtonPlace& place = GetParam();
    auto* button = main->findChild<QToolButton*>(QLatin1String(place.name));
    ASSERT_NE(button, nullptr) << place.name;
    EXPECT_EQ(button->geometry(), QRect(place.left, place.top, place.width, 25)) << place.name;
    EXPECT_EQ(button->isCheckable(), place.checkable) << place.name;
}

INSTANTIATE_TEST_SUITE_P(BothRows, ToolbarButtonTest,
                         ::testing::Values(ButtonPlace{"ButtonFileOpen", 0, 0, 25, false},
                                           ButtonPlace{"ButtonCopyFromClipboard", 24, 0, 25, false},
                                           ButtonPlace{"SpeedButtonBMPSave", 48, 0, 25, false},
                                           ButtonPlace{"ButtonCopyToClipboard", 104, 0, 25, false},
                                           ButtonPlace{"ButtonSetZeroPoint", 136, 0, 25, true},
                                           ButtonPlace{"ButtonSetXMaxPoint", 160, 0, 25, true},
                                           ButtonPlace{"ButtonSetYMaxPoint", 184, 0, 25, true},
                                           ButtonPlace{"SpeedButtonOn3click", 208, 0, 25, true},
                                           ButtonPlace{"ButtonSetPoint", 240, 0, 25, true},
                                           ButtonPlace{"SpeedButtonLine1", 272, 0, 25, true},
                                           ButtonPlace{"SpeedButtonLine2", 296, 0, 25, true},
                                           ButtonPlace{"SpeedButtonLine3", 320, 0, 25, true},
                                           ButtonPlace{"SpeedButtonLine4", 344, 0, 25, true},
                                           ButtonPlace{"SpeedButtonLine5", 368, 0, 25, true},
                                           ButtonPlace{"ButtonErazer", 416, 0, 25, true},
                                           ButtonPlace{"ButtonClearData", 448, 0, 25, false},
                                           ButtonPlace{"ButtonPasteLine", 480, 0, 25, true},
                                           ButtonPlace{"ButtonFindOnLine", 504, 0, 25, true},
                                           ButtonPlace{"ButtonInputColor", 536, 0, 25, true},
                                           ButtonPlace{"ButtonFindByColor", 560, 0, 25, true},
                                           ButtonPlace{"BitBtnRotateAlfa", 592, 0, 25, false},
                                           ButtonPlace{"ButtonClearImage", 624, 0, 25, false},
                                           ButtonPlace{"SpeedButtonNoneRezim", 656, 0, 9, true},
                                           ButtonPlace{"BTNZOOM", 0, 32, 25, false},
                                           ButtonPlace{"SpeedButtonDrawLine", 24, 32, 25, true},
                                           ButtonPlace{"ButtonAvtoCorrect", 56, 32, 25, true},
                                           ButtonPlace{"SpeedButtonAxis90", 88, 32, 25, true},
                                           ButtonPlace{"ButtonStepX", 120, 32, 25, true},
                                           ButtonPlace{"ButtonViewSetup", 168, 32, 25, false},
                                           ButtonPlace{"SpeedButtonShowInput", 200, 32, 25, true},
                                           ButtonPlace{"SpeedButtonShowTable", 224, 32, 25, true},
                                           ButtonPlace{"SpeedButtonViewText", 248, 32, 25, true},
                                           ButtonPlace{"SpeedButtonShowZoom", 272, 32, 25, true},
                                           ButtonPlace{"SpeedButton2", 296, 32, 25, true},
                                           ButtonPlace{"SpeedButton3Arc", 320, 32, 25, false},
                                           ButtonPlace{"SpeedButtonVigibatel", 352, 32, 25, false},
                                           ButtonPlace{"SpeedButtonSpec2", 384, 32, 25, false},
                                           ButtonPlace{"SpeedButtonSpec3", 416, 32, 25, false},
                                           ButtonPlace{"SpeedButtonSpec4", 440, 32, 25, false},
                                           ButtonPlace{"SpeedButtonSetPalitra", 656, 32, 25, false},
                                           ButtonPlace{"ButtonZoom", 680, 32, 25, true},
                                           ButtonPlace{"ButtonSelectCursor", 704, 32, 25, false}));

struct Caption {
    const char* name;
    const char* text;
};

class MenuItemTest : public MainWindowTest, public ::testing::WithParamInterface<Caption> {};

TEST_P(MenuItemTest, ExistsByNameWithItsDefaultCaption) {
    const Caption& item = GetParam();
    const QString name = QLatin1String(item.name);
    const QString expected = QString::fromUtf8(item.text);
    if (auto* menu = main->findChild<QMenu*>(name)) {
        EXPECT_EQ(menu->title(), expected);
    } else {
        auto* action = main->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainAndPopupMenus, MenuItemTest,
    ::testing::Values(
        Caption{"Menu1File", "&File"}, Caption{"menuOpenBMP", "Open BMP"},
        Caption{"menufromClipboard", "From Clipboard"}, Caption{"menuOpenData", "Open Data"},
        Caption{"menuSaveData", "Save Data"}, Caption{"MenuExit", "E&xit"},
        Caption{"Menu1Show", "&Show"}, Caption{"menuShowTable", "Show Table"},
        Caption{"menuShowSetup", "Show Setup"}, Caption{"menuShowZoom", "Show ZOOM"},
        Caption{"menuShowInput", "Show Input"}, Caption{"Menu1Data", "Data"},
        Caption{"menuCopytoClipboard", "Copy to Clipboard"},
        Caption{"menuSaveToFile", "SaveToFile"}, Caption{"menuCleardata", "Clear data of line"},
        Caption{"menuDeleteAll", "Стереть все"}, Caption{"menuSaveBMPtoFile", "Запись BMP"},
        Caption{"Menu1Digitaze", "digitaze"}, Caption{"MenuInput00", "Ввод точки 0,0"},
        Caption{"MenuInputXmax", "Ввод точки Xmax"}, Caption{"MenuInputYmax", "Ввод точки Ymax"},
        Caption{"MenuInputPoint", "Ввод меток"}, Caption{"MenuErazer", "Стирание меток"},
        Caption{"Menu1Mode", "Mode"}, Caption{"MenuAutocorrection", "Автокоррекция"},
        Caption{"MenuOnDeltaX", "Поиск с шагом по Х"}, Caption{"Menu1Action", "Action"},
        Caption{"MenuClearGrafik", "Очистка от мусора"}, Caption{"MenuPasteLine", "Выделить зону"},
        Caption{"MenuFindOnLine", "Поиск в зоне"},
        Caption{"MenuFindByColor", "Поиск цветной линии"},
        Caption{"MenuInputColor", "Настройка цвета поиска"},
        Caption{"MenuAvtomat", "Авто оцифровка"}, Caption{"Menu1Help", "&Help"},
        Caption{"MenuHelp", "Help"}, Caption{"MenuAbout", "&About..."}, Caption{"mastab1", "5:1"},
        Caption{"mastab2", "4:1"}, Caption{"mastab3", "3:1"}, Caption{"mastab4", "2:1"},
        Caption{"mastab5", "1:1"}, Caption{"mastab6", "1:2"}, Caption{"mastab7", "1:3"},
        Caption{"Diag", "Диаг крест"}, Caption{"vert", "Верт крест"}, Caption{"Handle", "Рука"},
        Caption{"Circle", "Прицел"}, Caption{"Strela", "Стрелка"},
        Caption{"MenuItempf1bit", "Черно-белый"}, Caption{"MenuItempf4bit", "16 цветов"},
        Caption{"MenuItempf8bit", "256 цветов"}, Caption{"MenuItempf15bit", "64k color"},
        Caption{"MenuItempf16bit", "High color"}, Caption{"MenuItempf24bit", "RGB color"},
        Caption{"MenuItempf32bit", "True color"}));

TEST_F(MainWindowTest, ButtonsCarryTheirDefaultCaptionsAndHints) {
    const Caption captions[] = {
        {"SpeedButtonLine1", "1"}, {"SpeedButtonLine5", "5"}, {"BTNZOOM", "1:1"}};
    for (const Caption& caption : captions) {
        EXPECT_EQ(main->findChild<QToolButton*>(QLatin1String(caption.name))->text(),
                  QString::fromUtf8(caption.text))
            << caption.name;
    }
    const Caption hints[] = {{"SpeedButtonAxis90", "Ровные оси"},
                             {"SpeedButtonShowZoom", "Лупа"},
                             {"SpeedButtonSetPalitra", "Сменить палитру"}};
    for (const Caption& hint : hints) {
        EXPECT_EQ(main->findChild<QToolButton*>(QLatin1String(hint.name))->toolTip(),
                  QString::fromUtf8(hint.text))
            << hint.name;
    }
}

TEST_F(MainWindowTest, StatusBarHasSixPanelsOfTheirWidthsAndProgressBarIsHidden) {
    const int widths[] = {100, 100, 200, 100, 250, 50};
    for (int panel = 0; panel < 6; ++panel) {
        auto* label = main->findChild<QLabel*>(QStringLiteral("StatusBar1.Panel%1").arg(panel));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->width(), widths[panel]);
    }
    auto* progress = main->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(progress->maximum(), 1500);
}

TEST_F(MainWindowTest, ToolButtonsFollowTheToolMode) {
    Press(main->ButtonErazer);
    EXPECT_EQ(state->Main.ToolMode, Tool::Eraser);

    SetPointMode(*state, *main);
    main->ControlsChanged();
    EXPECT_TRUE(main->ButtonSetPoint->isChecked());
    EXPECT_FALSE(main->ButtonErazer->isChecked());

    Press(main->SpeedButtonLine3);
    EXPECT_EQ(state->Store.CurrentLine, 3);
    EXPECT_TRUE(main->SpeedButtonLine3->isChecked());
}

TEST_F(MainWindowTest, ScaleItemResizesThePictureAndCaptionsTheZoomButton) {
    main->mastab7->trigger();

    EXPECT_EQ(state->Main.ScaleIndex, 7);
    EXPECT_EQ(view->size(), QSize(67, 67)); // 200 / 3 = 66.67
    EXPECT_EQ(main->BTNZOOM->text(), QStringLiteral("1:3"));
    EXPECT_TRUE(main->mastab7->isChecked());
    EXPECT_FALSE(main->mastab5->isChecked());
}

TEST_F(MainWindowTest, DrawLineReleasesAxis90ButtonButKeepsItsMode) {
    Press(main->SpeedButtonAxis90);
    ASSERT_TRUE(state->Main.Axis90Mode);
    Press(main->SpeedButtonDrawLine);

    EXPECT_TRUE(main->SpeedButtonDrawLine->isChecked());
    EXPECT_FALSE(main->SpeedButtonAxis90->isChecked());
    EXPECT_TRUE(state->Main.Axis90Mode);
}

TEST_F(MainWindowTest, AutocorrectionAndStepXExcludeEachOther) {
    Press(main->ButtonAvtoCorrect);
    EXPECT_TRUE(main->MenuAutocorrection->isChecked());

    main->MenuOnDeltaX->trigger();
    EXPECT_TRUE(state->Main.StepXOn);
    EXPECT_TRUE(main->ButtonStepX->isChecked());
    EXPECT_FALSE(state->Main.AvtoCorrectOn);
    EXPECT_FALSE(main->ButtonAvtoCorrect->isChecked());
    EXPECT_FALSE(main->MenuAutocorrection->isChecked());
}

TEST_F(MainWindowTest, CrosshairItemSetsTheCursorKindAndChecksOnlyItself) {
    main->Strela->trigger();

    EXPECT_EQ(state->Main.CursorKind, 5);
    EXPECT_TRUE(main->Strela->isChecked());
    EXPECT_FALSE(main->Diag->isChecked());
}

TEST_F(MainWindowTest, PixelFormatItemsOnlyShowTheFormatFound) {
    EXPECT_TRUE(main->MenuItempf24bit->isChecked());
    main->MenuItempf4bit->trigger();

    EXPECT_TRUE(main->MenuItempf24bit->isChecked());
    EXPECT_FALSE(main->MenuItempf4bit->isChecked());
}

} // namespace
} // namespace lineora::test
