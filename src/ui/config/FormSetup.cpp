#include "ui/config/FormSetup.h"

#include "core/calibration/Calibration.h"
#include "core/commands/Commands.h"
#include "core/commands/Configuration.h"
#include "core/commands/SetupCommands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/Color.h"
#include "core/common/ErrorBoundary.h"
#include "core/common/NumericKeyFilter.h"
#include "ui/FormControls.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include <initializer_list>

namespace lineora {

namespace {

constexpr int kRow = 24; // one line of radio buttons or check boxes

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption, int row,
                        int width = 200) {
    return Named(new QRadioButton(caption, parent), name, {10, 20 + row * kRow, width, 20});
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption, int row) {
    return Named(new QCheckBox(caption, parent), name, {10, 20 + row * kRow, 204, 20});
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, QRect place) {
    auto* spin = Named(new QSpinBox(parent), name, place);
    spin->setRange(1, 5);
    return spin;
}

QFrame* MakeSwatch(QWidget* parent, const char* name, QRect place) {
    return Named(new QFrame(parent), name, place);
}

// A swatch shows its colour as a round mark; the colour is also kept as a property, so it can
// be read back without looking at pixels.
void ShowSwatch(QFrame* swatch, TColor colour) {
    const QColor shown = QColor::fromRgb(ToQRgb(colour));
    if (swatch->property("color").value<QColor>() == shown) {
        return;
    }
    swatch->setProperty("color", shown);
    swatch->setStyleSheet(
        QStringLiteral("QFrame { border: 2px solid %1; border-radius: %2px; background: %1; }")
            .arg(shown.name())
            .arg(swatch->width() / 2));
}

template <typename Choice, std::size_t N>
void ShowChoice(const std::array<QRadioButton*, N>& buttons, const std::array<Choice, N>& choices,
                Choice current) {
    for (std::size_t i = 0; i < N; ++i) {
        ShowChecked(buttons[i], choices[i] == current);
    }
}

void ShowValue(QSpinBox* spin, int value) {
    if (spin->value() != value) {
        spin->setValue(value);
    }
}

} // namespace

TFormSetup::TFormSetup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSetup"));
    setWindowTitle(QStringLiteral("FormSetup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(692, 486);

    BuildColors();
    BuildMarksAndAxes();
    BuildTableAndExport();
    BuildScalesAndStep();
    BuildChartKind();
    BuildConfiguration();

    WireColors();
    WireMarksAndAxes();
    WireTableAndExport();
    WireScalesAndStep();
    WireChartKind();
    WireConfiguration();
}

// Layout ------------------------------------------------------------------------------------

void TFormSetup::BuildColors() {
    GroupBoxColor = MakeGroup(this, "GroupBoxColor", QStringLiteral("Цвета"), {8, 8, 220, 196});
    static constexpr const char* kButtons[] = {"ButtonSetColor1", "ButtonSetColor2",
                                               "ButtonSetColor3", "ButtonSetColor4",
                                               "ButtonSetColor5", "ButtonSetColorAxes"};
    static constexpr const char* kSwatches[] = {"Metka1Shape", "Metka2Shape", "Metka3Shape",
                                                "Metka4Shape", "Metka5Shape", "Metka6Shape"};
    for (std::size_t i = 0; i < ButtonSetColor.size(); ++i) {
        const int y = 20 + static_cast<int>(i) * 28;
        const QString caption = i + 1 < ButtonSetColor.size()
                                    ? QStringLiteral("Линия %1").arg(i + 1)
                                    : QStringLiteral("Оси");
        ButtonSetColor[i] =
            Named(new QPushButton(caption, GroupBoxColor), kButtons[i], {10, y, 130, 24});
        MetkaShape[i] = MakeSwatch(GroupBoxColor, kSwatches[i], {172, y + 2, 20, 20});
    }
}

void TFormSetup::BuildMarksAndAxes() {
    GroupBoxMetka = MakeGroup(this, "GroupBoxMetka", QStringLiteral("Метки"), {8, 210, 220, 76});
    LabelDiametr =
        MakeLabel(GroupBoxMetka, "LabelDiametr", QStringLiteral("Размер метки"), {10, 22, 130, 20});
    SpinEditDiametr = MakeSpin(GroupBoxMetka, "SpinEditDiametr", {150, 20, 60, 22});
    CheckBoxFillMetka =
        MakeCheck(GroupBoxMetka, "CheckBoxFillMetka", QStringLiteral("Заливка метки"), 1);
    CheckBoxFillMetka->move(10, 48);

    GroupBoxKoord = MakeGroup(this, "GroupBoxKoord", QStringLiteral("Оси"), {236, 8, 220, 150});
    RadioButtonDrawKoord1 =
        MakeRadio(GroupBoxKoord, "RadioButtonDrawKoord1", QStringLiteral("Старый вид осей"), 0);
    RadioButtonDrawKoord2 =
        MakeRadio(GroupBoxKoord, "RadioButtonDrawKoord2", QStringLiteral("Новый вид осей"), 1);
    LabelLineKoordWidth = MakeLabel(GroupBoxKoord, "LabelLineKoordWidth",
                                    QStringLiteral("Толщина линии"), {10, 72, 130, 20});
    SpinEditLineKoordWidth = MakeSpin(GroupBoxKoord, "SpinEditLineKoordWidth", {150, 70, 60, 22});
    CheckBoxLineKoordInvert = MakeCheck(GroupBoxKoord, "CheckBoxLineKoordInvert",
                                        QStringLiteral("Инвертировать цвет линии"), 3);
    CheckBoxMetkaX = MakeCheck(GroupBoxKoord, "CheckBoxMetkaX", QStringLiteral("метка Х"), 4);
    RadioButtonDrawKoord2->setChecked(true);
    CheckBoxLineKoordInvert->setChecked(true);
    CheckBoxMetkaX->setChecked(true);
}

void TFormSetup::BuildTableAndExport() {
    GroupBoxTable = MakeGroup(this, "GroupBoxTable", QStringLiteral("Таблица"), {8, 292, 220, 96});
    RadioButtonStandart =
        MakeRadio(GroupBoxTable, "RadioButtonStandart", QStringLiteral("Стандартный"), 0);
    RadioButtonScientific =
        MakeRadio(GroupBoxTable, "RadioButtonScientific", QStringLiteral("Научный"), 1);
    CheckBoxData_Point = MakeCheck(GroupBoxTable, "CheckBoxData_Point",
                                   QStringLiteral("Данные в таблицу (точки)"), 2);
    RadioButtonScientific->setChecked(true);
    CheckBoxData_Point->setChecked(true);

    GroupBoxSort = MakeGroup(this, "GroupBoxSort", QStringLiteral("Сортировка"), {8, 394, 220, 72});
    RadioButtonMakeSort =
        MakeRadio(GroupBoxSort, "RadioButtonMakeSort", QStringLiteral("Make sort"), 0);
    RadioButtonNoSort =
        MakeRadio(GroupBoxSort, "RadioButtonNoSort", QStringLiteral("Don't sort"), 1);
    RadioButtonMakeSort->setChecked(true);

    GroupBoxPointer =
        MakeGroup(this, "GroupBoxPointer", QStringLiteral("Разделитель"), {464, 8, 220, 96});
    static constexpr const char* kPointers[] = {"RadioButtonSetPointer1", "RadioButtonSetPointer2",
                                                "RadioButtonSetPointer3"};
    const QString pointerCaptions[] = {QStringLiteral("Select 0,0"), QStringLiteral("Select 0.0"),
                                       QStringLiteral("Set by Windows")};
    for (std::size_t i = 0; i < RadioButtonSetPointer.size(); ++i) {
        RadioButtonSetPointer[i] =
            MakeRadio(GroupBoxPointer, kPointers[i], pointerCaptions[i], static_cast<int>(i));
    }
    RadioButtonSetPointer[0]->setChecked(true);

    GroupBoxLanguage =
        MakeGroup(this, "GroupBoxLanguage", QStringLiteral("Language"), {464, 110, 220, 72});
    RadioButtonSetEnglish =
        MakeRadio(GroupBoxLanguage, "RadioButtonSetEnglish", QStringLiteral("On English"), 0);
    RadioButtonSetRussian =
        MakeRadio(GroupBoxLanguage, "RadioButtonSetRussian", QStringLiteral("On Russian"), 1);
    RadioButtonSetRussian->setChecked(true);
}

void TFormSetup::BuildScalesAndStep() {
    static constexpr const char* kScalesX[] = {
        "RadioButtonScalaNormalX", "RadioButtonScalaLogarifm10X", "RadioButtonScalaLogarifmNatX"};
    static constexpr const char* kScalesY[] = {
        "RadioButtonScalaNormalY", "RadioButtonScalaLogarifm10Y", "RadioButtonScalaLogarifmNatY"};
    const QString scaleCaptions[] = {QStringLiteral("Линейная"), QStringLiteral("Lg"),
                                     QStringLiteral("Ln")};
    GroupBoxScalaX =
        MakeGroup(this, "GroupBoxScalaX", QStringLiteral("Шкала X"), {236, 164, 106, 96});
    GroupBoxScalaY =
        MakeGroup(this, "GroupBoxScalaY", QStringLiteral("Шкала Y"), {350, 164, 106, 96});
    for (std::size_t i = 0; i < RadioButtonScalaX.size(); ++i) {
        const int row = static_cast<int>(i);
        RadioButtonScalaX[i] = MakeRadio(GroupBoxScalaX, kScalesX[i], scaleCaptions[i], row, 94);
        RadioButtonScalaY[i] = MakeRadio(GroupBoxScalaY, kScalesY[i], scaleCaptions[i], row, 94);
        RadioButtonScalaX[i]->move(6, RadioButtonScalaX[i]->y());
        RadioButtonScalaY[i]->move(6, RadioButtonScalaY[i]->y());
    }
    RadioButtonScalaX[0]->setChecked(true);
    RadioButtonScalaY[0]->setChecked(true);

    GroupBoxStepX =
        MakeGroup(this, "GroupBoxStepX", QStringLiteral("Шаг по X"), {236, 266, 220, 78});
    LabelFromX = MakeLabel(GroupBoxStepX, "LabelFromX", QStringLiteral("Начало"), {10, 22, 70, 20});
    EditFromX =
        Named(new QLineEdit(QStringLiteral("10"), GroupBoxStepX), "EditFromX", {100, 20, 110, 22});
    LabelStepX = MakeLabel(GroupBoxStepX, "LabelStepX", QStringLiteral("Шаг"), {10, 48, 70, 20});
    EditStepX =
        Named(new QLineEdit(QStringLiteral("10"), GroupBoxStepX), "EditStepX", {100, 46, 110, 22});
    // A first X may lie left of zero; a step below zero walks the same grid.
    FilterNumericKeys(EditFromX, MinusRule::WhileEmpty);
    FilterNumericKeys(EditStepX, MinusRule::WhileEmpty);
}

void TFormSetup::BuildChartKind() {
    GroupBoxCurve =
        MakeGroup(this, "GroupBoxCurve", QStringLiteral("Вид графика"), {236, 350, 220, 72});
    RadioButtonNormalCurve =
        MakeRadio(GroupBoxCurve, "RadioButtonNormalCurve", QStringLiteral("Прямоугольный"), 0);
    RadioButtonCircleCurve =
        MakeRadio(GroupBoxCurve, "RadioButtonCircleCurve", QStringLiteral("Полярный"), 1);
    RadioButtonNormalCurve->setChecked(true);

    GroupBoxXDirection =
        MakeGroup(this, "GroupBoxXDirection", QStringLiteral("Направление X"), {464, 188, 220, 72});
    RadioButtonXtoLeft =
        MakeRadio(GroupBoxXDirection, "RadioButtonXtoLeft", QStringLiteral("Ось X влево"), 0);
    RadioButtonXtoRight =
        MakeRadio(GroupBoxXDirection, "RadioButtonXtoRight", QStringLiteral("Ось X вправо"), 1);
    RadioButtonXtoRight->setChecked(true);

    // The circle count of the polar overlay: laid out disabled, so its controls never act.
    GroupBox2 =
        MakeGroup(this, "GroupBox2", QStringLiteral("Number of Circle"), {236, 428, 220, 50});
    GroupBox2->setEnabled(false);
    RxSpinButton1 = Named(new QWidget(GroupBox2), "RxSpinButton1", {10, 18, 18, 28});
    auto* up = new QToolButton(RxSpinButton1);
    up->setArrowType(Qt::UpArrow);
    up->setGeometry(0, 0, 18, 14);
    auto* down = new QToolButton(RxSpinButton1);
    down->setArrowType(Qt::DownArrow);
    down->setGeometry(0, 14, 18, 14);
    LabelKolvookr = MakeLabel(GroupBox2, "LabelKolvookr", QStringLiteral("1"), {40, 22, 40, 20});
    connect(up, &QToolButton::clicked, this,
            [this] { Run([this] { StepPolarCircles(*state_, *views_, +1); }); });
    connect(down, &QToolButton::clicked, this,
            [this] { Run([this] { StepPolarCircles(*state_, *views_, -1); }); });

    // The colour-picking dialog takes its first swatch colours from here.
    GroupBoxInputColor =
        MakeGroup(this, "GroupBoxInputColor", QStringLiteral("Цвет поиска"), {8, 400, 220, 50});
    ShapeLineGrafik = MakeSwatch(GroupBoxInputColor, "ShapeLineGrafik", {10, 20, 20, 20});
    ShapeBackground = MakeSwatch(GroupBoxInputColor, "ShapeBackground", {40, 20, 20, 20});
    ShowSwatch(ShapeLineGrafik, 0x000000);
    ShowSwatch(ShapeBackground, 0xFFFFFF);
    GroupBoxInputColor->hide();
}

void TFormSetup::BuildConfiguration() {
    GroupBoxConfig =
        MakeGroup(this, "GroupBoxConfig", QStringLiteral("Конфигурация"), {464, 266, 220, 124});
    CheckBoxSaveScalaKoord = MakeCheck(GroupBoxConfig, "CheckBoxSaveScalaKoord",
                                       QStringLiteral("Сохранять опорные точки"), 0);
    CheckBoxLoadScalaKoord = MakeCheck(GroupBoxConfig, "CheckBoxLoadScalaKoord",
                                       QStringLiteral("Загружать опорные точки"), 1);
    CheckBoxAutoSave =
        MakeCheck(GroupBoxConfig, "CheckBoxAutoSave", QStringLiteral("Автосохранение настроек"), 2);
    CheckBoxAutoSave->setChecked(true);
    ButtonConfigSave = Named(new QPushButton(QStringLiteral("Сохранить настройки"), GroupBoxConfig),
                             "ButtonConfigSave", {10, 92, 200, 26});

    ButtonGoToMain = Named(new QPushButton(QStringLiteral("Идти к основному окну"), this),
                           "ButtonGoToMain", {464, 436, 220, 34});
}

// Wiring ------------------------------------------------------------------------------------

bool TFormSetup::Run(const std::function<void()>& action) {
    if (state_ == nullptr) {
        return false;
    }
    const bool done = RunUserAction(*state_, *host_, action);
    ShowSettings();
    return done;
}

void TFormSetup::OnClick(QAbstractButton* button, const std::function<void()>& action) {
    connect(button, &QAbstractButton::clicked, this, [this, action] { Run(action); });
}

namespace {

// Radio buttons and check boxes act when the user changes them, not when they show settings.
template <typename Action>
void OnChecked(QObject* context, QAbstractButton* button, const bool& showing, Action action) {
    QObject::connect(button, &QAbstractButton::toggled, context, [&showing, action](bool checked) {
        if (!showing) {
            action(checked);
        }
    });
}

} // namespace

void TFormSetup::WireColors() {
    for (std::size_t i = 0; i < ButtonSetColor.size(); ++i) {
        const int button = static_cast<int>(i) + 1;
        OnClick(ButtonSetColor[i],
                [this, button] { ChooseSetupColor(state_->Setup, *host_, button); });
    }
}

void TFormSetup::WireMarksAndAxes() {
    connect(SpinEditDiametr, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_) {
            Run([this, value] { state_->Store.MarkRadius = value; });
        }
    });
    connect(SpinEditLineKoordWidth, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_) {
            Run([this, value] { state_->Setup.AxesWidth = value; });
        }
    });
    OnChecked(this, CheckBoxFillMetka, showing_,
              [this](bool on) { Run([this, on] { state_->Setup.FillMetka = on; }); });
    for (QRadioButton* look : {RadioButtonDrawKoord1, RadioButtonDrawKoord2}) {
        OnChecked(this, look, showing_, [this, look](bool on) {
            if (on) {
                Run([this, look] { SetAxesLook(*state_, *views_, look == RadioButtonDrawKoord2); });
            }
        });
    }
    OnChecked(this, CheckBoxLineKoordInvert, showing_,
              [this](bool on) { Run([this, on] { state_->Setup.AxesInvert = on; }); });
    OnChecked(this, CheckBoxMetkaX, showing_,
              [this](bool on) { Run([this, on] { state_->Setup.MetkaX = on; }); });
}

void TFormSetup::WireTableAndExport() {
    OnChecked(this, RadioButtonStandart, showing_, [this](bool on) {
        if (on) {
            Run([this] { state_->Setup.ExportFormat = NumberFormat::Standard; });
        }
    });
    OnChecked(this, RadioButtonScientific, showing_, [this](bool on) {
        if (on) {
            Run([this] { state_->Setup.ExportFormat = NumberFormat::Scientific; });
        }
    });
    OnChecked(this, CheckBoxData_Point, showing_,
              [this](bool on) { Run([this, on] { state_->Setup.DataPoint = on; }); });
    OnChecked(this, RadioButtonMakeSort, showing_, [this](bool on) {
        if (on) {
            Run([this] { state_->Setup.MakeSort = true; });
        }
    });
    OnChecked(this, RadioButtonNoSort, showing_, [this](bool on) {
        if (on) {
            Run([this] { state_->Setup.MakeSort = false; });
        }
    });
    for (std::size_t i = 0; i < RadioButtonSetPointer.size(); ++i) {
        OnChecked(this, RadioButtonSetPointer[i], showing_, [this, i](bool on) {
            if (on) {
                Run([this, i] { state_->Setup.Separator = kSeparatorChoices[i]; });
            }
        });
    }
    for (QRadioButton* language : {RadioButtonSetEnglish, RadioButtonSetRussian}) {
        OnChecked(this, language, showing_, [this, language](bool on) {
            if (on) {
                Run([this, language] {
                    ChooseLanguage(state_->Setup, language == RadioButtonSetEnglish);
                    if (applyLanguage_) {
                        applyLanguage_();
                    }
                });
            }
        });
    }
}

void TFormSetup::WireScalesAndStep() {
    for (std::size_t i = 0; i < kScaleChoices.size(); ++i) {
        OnChecked(this, RadioButtonScalaX[i], showing_, [this, i](bool on) {
            if (on) {
                Run([this, i] { state_->Setup.ScaleX = kScaleChoices[i]; });
            }
        });
        OnChecked(this, RadioButtonScalaY[i], showing_, [this, i](bool on) {
            if (on) {
                Run([this, i] { state_->Setup.ScaleY = kScaleChoices[i]; });
            }
        });
    }
    connect(EditFromX, &QLineEdit::textEdited, this, [this](const QString& text) {
        Run([this, text] { state_->Setup.StepFromXText = text; });
    });
    connect(EditStepX, &QLineEdit::textEdited, this, [this](const QString& text) {
        Run([this, text] { SetStepXText(state_->Setup, text); });
    });
}

void TFormSetup::WireChartKind() {
    const std::array<QRadioButton*, 2> kinds{RadioButtonNormalCurve, RadioButtonCircleCurve};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        OnChecked(this, kinds[i], showing_, [this, i](bool on) {
            if (on) {
                Run([this, i] { SetChartKind(*state_, *views_, kChartKindChoices[i]); });
            }
        });
    }
    const std::array<QRadioButton*, 2> directions{RadioButtonXtoLeft, RadioButtonXtoRight};
    for (std::size_t i = 0; i < directions.size(); ++i) {
        OnChecked(this, directions[i], showing_, [this, i](bool on) {
            if (on) {
                Run([this, i] {
                    SetXDirection(state_->Cal, state_->Setup, kXDirectionChoices[i]);
                });
            }
        });
    }
}

void TFormSetup::WireConfiguration() {
    OnChecked(this, CheckBoxSaveScalaKoord, showing_,
              [this](bool on) { Run([this, on] { state_->Setup.SaveScalaKoord = on; }); });
    OnChecked(this, CheckBoxLoadScalaKoord, showing_,
              [this](bool on) { Run([this, on] { state_->Setup.LoadScalaKoord = on; }); });
    OnChecked(this, CheckBoxAutoSave, showing_,
              [this](bool on) { Run([this, on] { state_->Setup.AutoSave = on; }); });
    OnClick(ButtonConfigSave, [this] { WriteConfig(*state_, *views_); });
    connect(ButtonGoToMain, &QPushButton::clicked, this, [this] { GoToMain(); });
}

// State -------------------------------------------------------------------------------------

void TFormSetup::Attach(State& state, Host& host, Views& views,
                        std::function<void()> applyLanguage) {
    state_ = &state;
    host_ = &host;
    views_ = &views;
    applyLanguage_ = std::move(applyLanguage);
    ShowSettings();
}

void TFormSetup::ShowColours() {
    const Settings& setup = state_->Setup;
    for (std::size_t line = 1; line <= static_cast<std::size_t>(kCurveCount); ++line) {
        ShowSwatch(MetkaShape[line - 1], setup.LineColors[line]);
    }
    ShowSwatch(MetkaShape[kAxesColorButton - 1], setup.AxesColor);
}

void TFormSetup::ShowSettings() {
    if (state_ == nullptr || showing_) {
        return;
    }
    showing_ = true;
    const Settings& setup = state_->Setup;
    ShowColours();
    ShowValue(SpinEditDiametr, state_->Store.MarkRadius);
    ShowChecked(CheckBoxFillMetka, setup.FillMetka);
    ShowChecked(RadioButtonDrawKoord1, !setup.NewAxesLook);
    ShowChecked(RadioButtonDrawKoord2, setup.NewAxesLook);
    ShowValue(SpinEditLineKoordWidth, setup.AxesWidth);
    ShowChecked(CheckBoxLineKoordInvert, setup.AxesInvert);
    ShowChecked(CheckBoxMetkaX, setup.MetkaX);
    ShowChecked(RadioButtonStandart, setup.ExportFormat == NumberFormat::Standard);
    ShowChecked(RadioButtonScientific, setup.ExportFormat == NumberFormat::Scientific);
    ShowChecked(CheckBoxData_Point, setup.DataPoint);
    ShowChoice(RadioButtonSetPointer, kSeparatorChoices, setup.Separator);
    ShowChecked(RadioButtonSetEnglish, setup.LanguageEnglish);
    ShowChecked(RadioButtonSetRussian, setup.LanguageRussian);
    ShowChecked(RadioButtonMakeSort, setup.MakeSort);
    ShowChecked(RadioButtonNoSort, !setup.MakeSort);
    ShowChoice(RadioButtonScalaX, kScaleChoices, setup.ScaleX);
    ShowChoice(RadioButtonScalaY, kScaleChoices, setup.ScaleY);
    ShowText(EditFromX, setup.StepFromXText);
    ShowText(EditStepX, setup.StepXText);
    ShowChecked(RadioButtonNormalCurve, setup.TypeOfCurve == 1);
    ShowChecked(RadioButtonCircleCurve, setup.TypeOfCurve == 2);
    ShowChecked(RadioButtonXtoLeft, setup.XDirection == -1);
    ShowChecked(RadioButtonXtoRight, setup.XDirection == 1);
    LabelKolvookr->setText(QString::number(setup.PolarCircleCount));
    ShowChecked(CheckBoxSaveScalaKoord, setup.SaveScalaKoord);
    ShowChecked(CheckBoxLoadScalaKoord, setup.LoadScalaKoord);
    ShowChecked(CheckBoxAutoSave, setup.AutoSave);
    showing_ = false;
}

// Events ------------------------------------------------------------------------------------

void TFormSetup::GoToMain() {
    if (Run([this] { LeaveSetup(*state_, *views_); })) {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        close();
    }
}

bool TFormSetup::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Run([this] { ReleaseStepX(*state_, *views_); });
    }
    return QDialog::event(event);
}

void TFormSetup::showEvent(QShowEvent* event) {
    ShowSettings();
    QDialog::showEvent(event);
}

void TFormSetup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lineora
