// The main window's controls, created in their fixed order: the language file walks them in
// this order and addresses them by object name.

#include "ui/app/FormLineora.h"

#include "core/commands/StatusBar.h"
#include "ui/app/PictureView.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QToolButton>

namespace lineora {

namespace {

constexpr int kRow1 = 0;
constexpr int kRow2 = 32;
constexpr int kButtonSide = 25;
// The last panel shows nothing; it only closes the row.
constexpr int kSparePanelWidth = 50;

// As wide as the widest text the panel shows, frame and indent included.
int PanelWidth(QLabel* label, int panel) {
    const QString widest = WidestStatusText(panel);
    if (widest.isEmpty()) {
        return kSparePanelWidth;
    }
    label->setText(widest);
    const int width = label->sizeHint().width();
    label->clear();
    return width;
}

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

QToolButton* TFormLineora::MakeButton(const char* name, QPoint place, Glyph glyph, bool checkable,
                                      int width) {
    auto* button = new QToolButton(ToolPanel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place.x(), place.y(), width, kButtonSide);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(DrawGlyph(glyph).size());
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    // Speed buttons never take the focus, so every key goes to the window's key handling.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

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

void TFormLineora::BuildToolbar() {
    ToolPanel = new QWidget(centralWidget());
    ToolPanel->setObjectName(QStringLiteral("ToolPanel"));

    ButtonFileOpen = MakeButton("ButtonFileOpen", {0, kRow1}, Glyph::OpenPicture, false);
    ButtonCopyFromClipboard =
        MakeButton("ButtonCopyFromClipboard", {24, kRow1}, Glyph::FromClipboard, false);
    SpeedButtonBMPSave = MakeButton("SpeedButtonBMPSave", {48, kRow1}, Glyph::SavePicture, false);
    ButtonCopyToClipboard =
        MakeButton("ButtonCopyToClipboard", {104, kRow1}, Glyph::CopyToClipboard, false);
    ButtonSetZeroPoint = MakeButton("ButtonSetZeroPoint", {136, kRow1}, Glyph::ZeroPoint, true);
    ButtonSetXMaxPoint = MakeButton("ButtonSetXMaxPoint", {160, kRow1}, Glyph::XMaxPoint, true);
    ButtonSetYMaxPoint = MakeButton("ButtonSetYMaxPoint", {184, kRow1}, Glyph::YMaxPoint, true);
    SpeedButtonOn3click = MakeButton("SpeedButtonOn3click", {208, kRow1}, Glyph::ThreeClicks, true);
    ButtonSetPoint = MakeButton("ButtonSetPoint", {240, kRow1}, Glyph::SetPoint, true);

    const char* lineNames[] = {"SpeedButtonLine1", "SpeedButtonLine2", "SpeedButtonLine3",
                               "SpeedButtonLine4", "SpeedButtonLine5"};
    QToolButton** lineMembers[] = {&SpeedButtonLine1, &SpeedButtonLine2, &SpeedButtonLine3,
                                   &SpeedButtonLine4, &SpeedButtonLine5};
    for (int line = 1; line <= kCurveCount; ++line) {
        QToolButton* button =
            MakeButton(lineNames[line - 1], {272 + 24 * (line - 1), kRow1}, Glyph::SetPoint, true);
        button->setIcon(QIcon());
        button->setText(QString::number(line));
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        *lineMembers[line - 1] = button;
        lineButtons_[static_cast<std::size_t>(line)] = button;
    }

    ButtonErazer = MakeButton("ButtonErazer", {416, kRow1}, Glyph::Eraser, true);
    ButtonClearData = MakeButton("ButtonClearData", {448, kRow1}, Glyph::ClearLine, false);
    ButtonPasteLine = MakeButton("ButtonPasteLine", {480, kRow1}, Glyph::ZoneBrush, true);
    ButtonFindOnLine = MakeButton("ButtonFindOnLine", {504, kRow1}, Glyph::FindInZone, true);
    ButtonInputColor = MakeButton("ButtonInputColor", {536, kRow1}, Glyph::Pipette, true);
    ButtonFindByColor = MakeButton("ButtonFindByColor", {560, kRow1}, Glyph::FindByColor, true);
    BitBtnRotateAlfa = MakeButton("BitBtnRotateAlfa", {592, kRow1}, Glyph::Rotate, false);
    ButtonClearImage = MakeButton("ButtonClearImage", {624, kRow1}, Glyph::CleanPicture, false);
    SpeedButtonNoneRezim = MakeButton("SpeedButtonNoneRezim", {656, kRow1}, Glyph::NoTool, true, 9);

    BTNZOOM = MakeButton("BTNZOOM", {0, kRow2}, Glyph::ZoomTool, false);
    BTNZOOM->setIcon(QIcon());
    BTNZOOM->setText(QStringLiteral("1 : 1"));
    QFont small = BTNZOOM->font();
    small.setPixelSize(9);
    BTNZOOM->setFont(small);
    SpeedButtonDrawLine =
        MakeButton("SpeedButtonDrawLine", {24, kRow2}, Glyph::ConnectPoints, true);
    ButtonAvtoCorrect = MakeButton("ButtonAvtoCorrect", {56, kRow2}, Glyph::AutoCorrect, true);
    SpeedButtonAxis90 = MakeButton("SpeedButtonAxis90", {88, kRow2}, Glyph::Axis90, true);
    SpeedButtonAxis90->setToolTip(QStringLiteral("Ровные оси"));
    ButtonStepX = MakeButton("ButtonStepX", {120, kRow2}, Glyph::StepX, true);
    ButtonViewSetup = MakeButton("ButtonViewSetup", {168, kRow2}, Glyph::Setup, false);
    SpeedButtonShowInput =
        MakeButton("SpeedButtonShowInput", {200, kRow2}, Glyph::AxisValues, true);
    SpeedButtonShowTable = MakeButton("SpeedButtonShowTable", {224, kRow2}, Glyph::Table, true);
    SpeedButtonViewText = MakeButton("SpeedButtonViewText", {248, kRow2}, Glyph::TextOutput, true);
    SpeedButtonShowZoom = MakeButton("SpeedButtonShowZoom", {272, kRow2}, Glyph::Magnifier, true);
    SpeedButtonShowZoom->setToolTip(QStringLiteral("Лупа"));
    SpeedButton2 = MakeButton("SpeedButton2", {296, kRow2}, Glyph::Pin, true);
    SpeedButton3Arc = MakeButton("SpeedButton3Arc", {320, kRow2}, Glyph::SpecialPoints, false);
    SpeedButtonVigibatel =
        MakeButton("SpeedButtonVigibatel", {352, kRow2}, Glyph::Straightener, false);
    SpeedButtonSpec2 = MakeButton("SpeedButtonSpec2", {384, kRow2}, Glyph::BrightLine, false);
    SpeedButtonSpec3 = MakeButton("SpeedButtonSpec3", {416, kRow2}, Glyph::PolarTable, false);
    SpeedButtonSpec4 = MakeButton("SpeedButtonSpec4", {440, kRow2}, Glyph::DoubleAxis, false);
    SpeedButtonSetPalitra =
        MakeButton("SpeedButtonSetPalitra", {656, kRow2}, Glyph::Palette, false);
    SpeedButtonSetPalitra->setToolTip(QStringLiteral("Сменить палитру"));
    ButtonZoom = MakeButton("ButtonZoom", {680, kRow2}, Glyph::ZoomTool, true);
    ButtonSelectCursor = MakeButton("ButtonSelectCursor", {704, kRow2}, Glyph::CursorChoice, false);

    // Group 1: the tool buttons, one of them always down.
    toolGroup_ = new QButtonGroup(this);
    toolGroup_->setExclusive(true);
    for (QToolButton* button :
         {ButtonSetZeroPoint, ButtonSetXMaxPoint, ButtonSetYMaxPoint, SpeedButtonOn3click,
          ButtonSetPoint, ButtonErazer, ButtonPasteLine, ButtonFindOnLine, ButtonInputColor,
          ButtonFindByColor, ButtonZoom, SpeedButtonNoneRezim}) {
        toolGroup_->addButton(button);
    }
    // Group 30: the curve buttons.
    lineGroup_ = new QButtonGroup(this);
    lineGroup_->setExclusive(true);
    for (int line = 1; line <= kCurveCount; ++line) {
        lineGroup_->addButton(lineButtons_[static_cast<std::size_t>(line)]);
    }
}

void TFormLineora::BuildPictureBox() {
    ScrollBox1 = new QScrollArea(centralWidget());
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    imgGrafik = new PictureView;
    imgGrafik->setObjectName(QStringLiteral("imgGrafik"));
    imgGrafik->SetImage(&state_.Pics.Working);
    ScrollBox1->setWidget(imgGrafik);
}

void TFormLineora::BuildStatusBar() {
    StatusBar1 = new QWidget(centralWidget());
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    int left = 0;
    for (std::size_t panel = 0; panel < StatusPanels.size(); ++panel) {
        auto* label = new QLabel(StatusBar1);
        label->setObjectName(QStringLiteral("StatusBar1.Panel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        QFont font = label->font();
        font.setPixelSize(11);
        label->setFont(font);
        const int width = PanelWidth(label, static_cast<int>(panel));
        label->setGeometry(left, 0, width, kStatusHeight);
        StatusPanels[panel] = label;
        left += width;
    }
    ProgressBar1 = new QProgressBar(centralWidget());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1500);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
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
    MenuExit = MakeAction(Menu1File, "MenuExit", QStringLiteral("E&xit"));

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

} // namespace lineora
