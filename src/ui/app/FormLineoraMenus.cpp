// The main window's menu bar and its three popup menus (view scale, crosshair, palette),
// created in their fixed order, and what each item does.

#include "ui/app/FormLineora.h"

#include "core/commands/Commands.h"
#include "core/commands/GraCommands.h"
#include "core/commands/TracingCommands.h"
#include "core/commands/UndoCommands.h"
#include "core/commands/WorkFileCommands.h"
#include "core/tracing/AutoDigitize.h"
#include "ui/app/RecentMenu.h"
#include "ui/app/Windows.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace lineora {

namespace {

QActionGroup* ExclusiveGroup(QObject* parent, std::initializer_list<QAction*> actions,
                             QActionGroup::ExclusionPolicy policy) {
    auto* group = new QActionGroup(parent);
    group->setExclusionPolicy(policy);
    for (QAction* action : actions) {
        group->addAction(action);
    }
    return group;
}

} // namespace

QAction* TFormLineora::MakeAction(QMenu* menu, const char* name, const QString& caption,
                                  bool checkable) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    menu->addAction(action);
    return action;
}

QMenu* TFormLineora::MakeMenu(QMenuBar* bar, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, bar);
    menu->setObjectName(QLatin1String(name));
    bar->addMenu(menu);
    return menu;
}

void TFormLineora::BuildMainMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // The bar belongs to the window, where the language file and the layout rules find it.
    MainMenu1->setNativeMenuBar(false);

    Menu1File = MakeMenu(MainMenu1, "Menu1File", QStringLiteral("&File"));
    menuOpenBMP = MakeAction(Menu1File, "menuOpenBMP", QStringLiteral("Open BMP"));
    menufromClipboard =
        MakeAction(Menu1File, "menufromClipboard", QStringLiteral("From Clipboard"));
    menuOpenData = MakeAction(Menu1File, "menuOpenData", QStringLiteral("Open Data"));
    menuSaveData = MakeAction(Menu1File, "menuSaveData", QStringLiteral("Save Data"));
    menuExportCsv = MakeAction(Menu1File, "menuExportCsv", QStringLiteral("Export CSV"));
    MenuExit = MakeAction(Menu1File, "MenuExit", QStringLiteral("E&xit"));
    AddRecentMenu(Menu1File, MenuExit, state_.Recent, [this](const QString& path) {
        Command([this, &path] { OpenRecentFile(state_, host_, *this, path); });
    });

    // The texts follow the steps (ShowUndoState); the keys reach them through the key filter.
    Menu1Edit = MakeMenu(MainMenu1, "Menu1Edit", QStringLiteral("&Edit"));
    menuUndo = MakeAction(Menu1Edit, "menuUndo", QStringLiteral("Undo"));
    menuRedo = MakeAction(Menu1Edit, "menuRedo", QStringLiteral("Redo"));

    Menu1Show = MakeMenu(MainMenu1, "Menu1Show", QStringLiteral("&Show"));
    menuShowTable = MakeAction(Menu1Show, "menuShowTable", QStringLiteral("Show Table"));
    menuShowSetup = MakeAction(Menu1Show, "menuShowSetup", QStringLiteral("Show Setup"));
    menuShowZoom = MakeAction(Menu1Show, "menuShowZoom", QStringLiteral("Show ZOOM"));
    menuShowInput = MakeAction(Menu1Show, "menuShowInput", QStringLiteral("Show Input"));

    Menu1Data = MakeMenu(MainMenu1, "Menu1Data", QStringLiteral("Data"));
    menuCopytoClipboard =
        MakeAction(Menu1Data, "menuCopytoClipboard", QStringLiteral("Copy to Clipboard"));
    menuSaveToFile = MakeAction(Menu1Data, "menuSaveToFile", QStringLiteral("SaveToFile"));
    menuCleardata = MakeAction(Menu1Data, "menuCleardata", QStringLiteral("Clear data of line"));
    menuDeleteAll = MakeAction(Menu1Data, "menuDeleteAll", QStringLiteral("Стереть все"));
    menuSaveBMPtoFile = MakeAction(Menu1Data, "menuSaveBMPtoFile", QStringLiteral("Запись BMP"));

    Menu1Digitaze = MakeMenu(MainMenu1, "Menu1Digitaze", QStringLiteral("digitaze"));
    MenuInput00 = MakeAction(Menu1Digitaze, "MenuInput00", QStringLiteral("Ввод точки 0,0"));
    MenuInputXmax = MakeAction(Menu1Digitaze, "MenuInputXmax", QStringLiteral("Ввод точки Xmax"));
    MenuInputYmax = MakeAction(Menu1Digitaze, "MenuInputYmax", QStringLiteral("Ввод точки Ymax"));
    MenuInputPoint = MakeAction(Menu1Digitaze, "MenuInputPoint", QStringLiteral("Ввод меток"));
    MenuErazer = MakeAction(Menu1Digitaze, "MenuErazer", QStringLiteral("Стирание меток"));

    Menu1Mode = MakeMenu(MainMenu1, "Menu1Mode", QStringLiteral("Mode"));
    MenuAutocorrection =
        MakeAction(Menu1Mode, "MenuAutocorrection", QStringLiteral("Автокоррекция"), true);
    MenuOnDeltaX =
        MakeAction(Menu1Mode, "MenuOnDeltaX", QStringLiteral("Поиск с шагом по Х"), true);

    Menu1Action = MakeMenu(MainMenu1, "Menu1Action", QStringLiteral("Action"));
    MenuClearGrafik =
        MakeAction(Menu1Action, "MenuClearGrafik", QStringLiteral("Очистка от мусора"));
    MenuRectify =
        MakeAction(Menu1Action, "MenuRectify", QStringLiteral("Выравнивание перспективы"));
    MenuPasteLine = MakeAction(Menu1Action, "MenuPasteLine", QStringLiteral("Выделить зону"));
    MenuFindOnLine = MakeAction(Menu1Action, "MenuFindOnLine", QStringLiteral("Поиск в зоне"));
    MenuFindByColor =
        MakeAction(Menu1Action, "MenuFindByColor", QStringLiteral("Поиск цветной линии"));
    MenuInputColor =
        MakeAction(Menu1Action, "MenuInputColor", QStringLiteral("Настройка цвета поиска"));
    MenuAvtomat = MakeAction(Menu1Action, "MenuAvtomat", QStringLiteral("Авто оцифровка"));
    MenuAvtomatSetup =
        MakeAction(Menu1Action, "MenuAvtomatSetup", QStringLiteral("Настройка авто оцифровки..."));

    Menu1Help = MakeMenu(MainMenu1, "Menu1Help", QStringLiteral("&Help"));
    MenuHelp = MakeAction(Menu1Help, "MenuHelp", QStringLiteral("Help"));
    MenuAbout = MakeAction(Menu1Help, "MenuAbout", QStringLiteral("&About..."));
}

void TFormLineora::BuildPopupMenus() {
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    const char* scaleNames[] = {"mastab1", "mastab2", "mastab3", "mastab4",
                                "mastab5", "mastab6", "mastab7"};
    QAction** scaleMembers[] = {&mastab1, &mastab2, &mastab3, &mastab4,
                                &mastab5, &mastab6, &mastab7};
    for (int index = 1; index <= 7; ++index) {
        QAction* item =
            MakeAction(PopupMenu2, scaleNames[index - 1],
                       QString::fromLatin1(kScaleCaptions[static_cast<std::size_t>(index)]), true);
        *scaleMembers[index - 1] = item;
        scaleItems_[static_cast<std::size_t>(index)] = item;
    }
    ExclusiveGroup(PopupMenu2, {mastab1, mastab2, mastab3, mastab4, mastab5, mastab6, mastab7},
                   QActionGroup::ExclusionPolicy::Exclusive);

    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    Diag = MakeAction(PopupMenu3, "Diag", QStringLiteral("Диаг крест"), true);
    vert = MakeAction(PopupMenu3, "vert", QStringLiteral("Верт крест"), true);
    Handle = MakeAction(PopupMenu3, "Handle", QStringLiteral("Рука"), true);
    Circle = MakeAction(PopupMenu3, "Circle", QStringLiteral("Прицел"), true);
    Strela = MakeAction(PopupMenu3, "Strela", QStringLiteral("Стрелка"), true);
    cursorItems_ = {nullptr, Diag, vert, Handle, Circle, Strela};
    ExclusiveGroup(PopupMenu3, {Diag, vert, Handle, Circle, Strela},
                   QActionGroup::ExclusionPolicy::Exclusive);

    PopupMenu5 = new QMenu(this);
    PopupMenu5->setObjectName(QStringLiteral("PopupMenu5"));
    MenuItempf1bit = MakeAction(PopupMenu5, "MenuItempf1bit", QStringLiteral("Черно-белый"), true);
    MenuItempf4bit = MakeAction(PopupMenu5, "MenuItempf4bit", QStringLiteral("16 цветов"), true);
    MenuItempf8bit = MakeAction(PopupMenu5, "MenuItempf8bit", QStringLiteral("256 цветов"), true);
    MenuItempf15bit = MakeAction(PopupMenu5, "MenuItempf15bit", QStringLiteral("64k color"), true);
    MenuItempf16bit = MakeAction(PopupMenu5, "MenuItempf16bit", QStringLiteral("High color"), true);
    MenuItempf24bit = MakeAction(PopupMenu5, "MenuItempf24bit", QStringLiteral("RGB color"), true);
    MenuItempf32bit = MakeAction(PopupMenu5, "MenuItempf32bit", QStringLiteral("True color"), true);
    pixelFormatItems_ = {nullptr,         MenuItempf1bit,  MenuItempf4bit,  MenuItempf8bit,
                         MenuItempf15bit, MenuItempf16bit, MenuItempf24bit, MenuItempf32bit};
    // The items only show the format found; none may be checked before a picture is loaded.
    ExclusiveGroup(PopupMenu5,
                   {MenuItempf1bit, MenuItempf4bit, MenuItempf8bit, MenuItempf15bit,
                    MenuItempf16bit, MenuItempf24bit, MenuItempf32bit},
                   QActionGroup::ExclusionPolicy::ExclusiveOptional);
}

void TFormLineora::WireMainMenu() {
    // Items that do what a button does press it, so both run the same code.
    const auto press = [this](QToolButton* button) { return [button] { button->click(); }; };

    connect(menuOpenBMP, &QAction::triggered, ButtonFileOpen, &QToolButton::click);
    connect(menufromClipboard, &QAction::triggered, ButtonCopyFromClipboard, &QToolButton::click);
    OnTrigger(menuOpenData, [this] { OpenGraFile(state_, host_, *this); });
    OnTrigger(menuSaveData, [this] { SaveGraWithPicture(state_, host_, *this); });
    connect(MenuExit, &QAction::triggered, this, &TFormLineora::close);

    OnTrigger(menuUndo, [this] { UndoWork(state_, *this); });
    OnTrigger(menuRedo, [this] { RedoWork(state_, *this); });

    OnTrigger(menuShowTable, [this] { SetToggle(ToggleTable, true); });
    connect(menuShowSetup, &QAction::triggered, this, press(ButtonViewSetup));
    OnTrigger(menuShowZoom, [this] { SetToggle(ToggleZoom, true); });
    OnTrigger(menuShowInput, [this] { SetToggle(ToggleInput, true); });

    connect(menuCopytoClipboard, &QAction::triggered, this, press(ButtonCopyToClipboard));
    OnTrigger(menuSaveToFile, [this] { SaveTextOutput(state_, host_); });
    OnTrigger(menuExportCsv, [this] { SaveCsvExport(state_, host_); });
    connect(menuCleardata, &QAction::triggered, this, press(ButtonClearData));
    OnTrigger(menuDeleteAll, [this] {
        if (ConfirmUnsavedWork(state_, host_, *this)) {
            DeleteAllLines(state_, *this);
        }
    });
    connect(menuSaveBMPtoFile, &QAction::triggered, this, press(SpeedButtonBMPSave));

    connect(MenuInput00, &QAction::triggered, this, press(ButtonSetZeroPoint));
    connect(MenuInputXmax, &QAction::triggered, this, press(ButtonSetXMaxPoint));
    connect(MenuInputYmax, &QAction::triggered, this, press(ButtonSetYMaxPoint));
    connect(MenuInputPoint, &QAction::triggered, this, press(ButtonSetPoint));
    connect(MenuErazer, &QAction::triggered, this, press(ButtonErazer));

    OnTrigger(MenuAutocorrection,
              [this] { SwitchAutoCorrect(state_, *this, !state_.Main.AvtoCorrectOn); });
    OnTrigger(MenuOnDeltaX,
              [this] { SwitchStepX(state_, host_, *this, !ButtonStepX->isChecked()); });

    connect(MenuClearGrafik, &QAction::triggered, this, press(ButtonClearImage));
    connect(MenuRectify, &QAction::triggered, this, press(BitBtnRectify));
    connect(MenuPasteLine, &QAction::triggered, this, press(ButtonPasteLine));
    connect(MenuFindOnLine, &QAction::triggered, this, press(ButtonFindOnLine));
    connect(MenuFindByColor, &QAction::triggered, this, press(ButtonFindByColor));
    connect(MenuInputColor, &QAction::triggered, this, press(ButtonInputColor));
    OnTrigger(MenuAvtomat, [this] {
        const AutoFields fields =
            windows_ != nullptr ? windows_->FormAvtomat->Fields() : AutoFields{};
        AutoDigitizeFromFields(state_, host_, *this, fields);
    });
    OnTrigger(MenuAvtomatSetup, [this] {
        if (windows_ != nullptr) {
            ShowOnTop(windows_->FormAvtomat.get());
        }
    });

    OnTrigger(MenuHelp, [this] { ShowHelp(); });
    OnTrigger(MenuAbout, [this] {
        if (windows_ != nullptr) {
            windows_->FormAbout->show();
            windows_->FormAbout->raise();
        }
    });
}

void TFormLineora::WirePopupMenus() {
    for (int index = 1; index <= 7; ++index) {
        OnTrigger(scaleItems_[static_cast<std::size_t>(index)],
                  [this, index] { SetScaleIndex(state_, *this, index); });
    }
    for (int kind = 1; kind <= 5; ++kind) {
        OnTrigger(cursorItems_[static_cast<std::size_t>(kind)],
                  [this, kind] { SetCursorKind(state_, *this, kind); });
    }
    OnTrigger(MenuItempf1bit, [this] { BlackAndWhite(state_, *this); });
    // The other formats only show what was found; choosing one changes nothing.
    for (int item = 2; item <= 7; ++item) {
        OnTrigger(pixelFormatItems_[static_cast<std::size_t>(item)], [] {});
    }
}

void TFormLineora::PopUpBelow(QMenu* menu, const QWidget* button) {
    menu->popup(QPoint(x() + button->x(), y() + button->y() + 60));
}

} // namespace lineora
