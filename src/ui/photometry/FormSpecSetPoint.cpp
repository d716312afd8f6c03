#include "ui/photometry/FormSpecSetPoint.h"

#include "core/common/Color.h"
#include "ui/FormControls.h"
#include "ui/picture/FormVygibatel.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

namespace lineora {

namespace {

constexpr int kRowHeight = 36;

QFrame* MakeSwatch(QWidget* parent, const char* name, QRect place) {
    auto* swatch = Named(new QFrame(parent), name, place);
    swatch->setFrameShape(QFrame::Box);
    return swatch;
}

// The colour is also kept as a property, so it can be read back without looking at pixels.
void ShowSwatch(QFrame* swatch, TColor colour) {
    const QColor shown = QColor::fromRgb(ToQRgb(colour));
    if (swatch->property("color").value<QColor>() == shown && !swatch->styleSheet().isEmpty()) {
        return;
    }
    swatch->setProperty("color", shown);
    swatch->setStyleSheet(
        QStringLiteral("QFrame { border: 1px solid black; background: %1; }").arg(shown.name()));
}

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption, QRect place,
                             const QString& hint = {}) {
    auto* button = Named(new QToolButton(parent), name, place);
    button->setText(caption);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
    }
    return button;
}

void ShowDown(QToolButton* button, bool down) {
    if (button->isChecked() != down) {
        button->setChecked(down);
    }
}

} // namespace

TFormSpecSetPoint::TFormSpecSetPoint(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpecSetPoint"));
    setWindowTitle(QStringLiteral("Специальный 2"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(340, 268);

    for (int trace = 1; trace <= 3; ++trace) {
        BuildTraceRow(trace);
    }
    ShapeSelectColor = MakeSwatch(this, "ShapeSelectColor", {236, 12, 44, 44});
    LabelPlotnost =
        MakeLabel(this, "LabelPlotnost", QStringLiteral("Плотность линии"), {222, 60, 116, 20});
    LabelKolvo = MakeLabel(this, "LabelKolvo", QStringLiteral("3"), {240, 86, 24, 20});
    SpinButton1 = Named(new TSpinButton(this), "SpinButton1", {268, 80, 20, 36});

    SpeedButtonShowZone =
        MakeSpeedButton(this, "SpeedButtonShowZone", QStringLiteral("Показать Зоны графиков"),
                        {8, 124, 160, 26}, QStringLiteral("Рамки полос трёх линий на рисунке"));
    SpeedButtonShowFindLine = MakeSpeedButton(
        this, "SpeedButtonShowFindLine", QStringLiteral("Показать линии поиска"),
        {172, 124, 160, 26}, QStringLiteral("Линии поиска с их номерами на рисунке"));
    ButtonFindByColor =
        MakeButton(this, "ButtonFindByColor", QStringLiteral("Поиск по цвету"), {8, 158, 160, 26});
    ButtonFindByColor->setToolTip(QStringLiteral("Поиск точек"));
    ButtonFindRed =
        MakeButton(this, "ButtonFindRed", QStringLiteral("Поиск красной"), {172, 158, 160, 26});
    ButtonFindRed->setToolTip(QStringLiteral("Новый вариант поиска"));
    ButtonAprocPoint =
        MakeButton(this, "ButtonAprocPoint", QStringLiteral("Апроксимация"), {8, 192, 160, 26});
    ButtonClear =
        MakeButton(this, "ButtonClear", QStringLiteral("Очистка от сетки"), {172, 192, 160, 26});
    ButtonCalcSave =
        MakeButton(this, "ButtonCalcSave", QStringLiteral("Расчет и запись"), {8, 230, 160, 28});
    ButtonClose = MakeButton(this, "ButtonClose", QStringLiteral("Закрыть"), {172, 230, 160, 28});

    connect(SpinButton1->UpButton, &QToolButton::clicked, this, [this] { emit DensityStepped(1); });
    connect(SpinButton1->DownButton, &QToolButton::clicked, this,
            [this] { emit DensityStepped(-1); });
    connect(SpeedButtonShowZone, &QToolButton::clicked, this, &TFormSpecSetPoint::ShowZoneToggled);
    connect(SpeedButtonShowFindLine, &QToolButton::clicked, this,
            &TFormSpecSetPoint::ShowFindLineToggled);
    connect(ButtonFindByColor, &QPushButton::clicked, this, &TFormSpecSetPoint::FindByColorClicked);
    connect(ButtonFindRed, &QPushButton::clicked, this, &TFormSpecSetPoint::FindRedClicked);
    connect(ButtonAprocPoint, &QPushButton::clicked, this, &TFormSpecSetPoint::AprocClicked);
    connect(ButtonClear, &QPushButton::clicked, this, &TFormSpecSetPoint::ClearClicked);
    connect(ButtonCalcSave, &QPushButton::clicked, this, &TFormSpecSetPoint::CalcSaveClicked);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormSpecSetPoint::CloseAsked);
}

void TFormSpecSetPoint::BuildTraceRow(int trace) {
    static constexpr const char* kLabels[] = {"", "Label1", "Label2", "Label3"};
    static constexpr const char* kColourButtons[] = {"", "SpeedButtonLine1", "SpeedButtonLine2",
                                                     "SpeedButtonLine3"};
    static constexpr const char* kPickButtons[] = {
        "", "SpeedButtonISetPointLine1", "SpeedButonSetPointLine2", "SpeedButtonSetPointLine3"};
    static constexpr const char* kShapes[4][4] = {{},
                                                  {"", "Shape11", "Shape12", "Shape13"},
                                                  {"", "Shape21", "Shape22", "Shape23"},
                                                  {"", "Shape31", "Shape32", "Shape33"}};
    const auto t = static_cast<std::size_t>(trace);
    const int top = 12 + (trace - 1) * kRowHeight;
    LineLabels[t] =
        MakeLabel(this, kLabels[t], QStringLiteral("Линия %1").arg(trace), {8, top + 3, 58, 20});
    ColourButtons[t] = MakeSpeedButton(this, kColourButtons[t], QStringLiteral("Цвет"),
                                       {66, top, 40, 26}, QStringLiteral("Выбор цвета линии"));
    for (std::size_t shade = 1; shade <= 3; ++shade) {
        Shapes[t][shade] = MakeSwatch(this, kShapes[t][shade],
                                      {110 + static_cast<int>(shade - 1) * 24, top + 2, 22, 22});
    }
    PickButtons[t] = MakeSpeedButton(this, kPickButtons[t], QStringLiteral("Ввод"),
                                     {184, top, 40, 26}, QStringLiteral("Выбор графика для ввода"));
    connect(ColourButtons[t], &QToolButton::clicked, this,
            [this, trace](bool down) { emit ColourToggled(trace, down); });
    connect(PickButtons[t], &QToolButton::clicked, this,
            [this, trace](bool down) { emit PickToggled(trace, down); });
}

void TFormSpecSetPoint::ShowState(const StripSamplingState& mode, Tool tool, int currentLine) {
    for (int trace = 1; trace <= 3; ++trace) {
        const auto t = static_cast<std::size_t>(trace);
        for (std::size_t shade = 1; shade <= 3; ++shade) {
            ShowSwatch(Shapes[t][shade], mode.SpecLineColors[(t - 1) * 3 + shade]);
        }
        // The six buttons act as one group of which at most one is down.
        ShowDown(ColourButtons[t], tool == Tool::StripColor && mode.ColorTrace == trace);
        ShowDown(PickButtons[t], tool == Tool::StripSample && currentLine == trace);
    }
    LabelKolvo->setText(QString::number(mode.LineDensity));
    ShowDown(SpeedButtonShowZone, mode.ShowStrips);
    ShowDown(SpeedButtonShowFindLine, mode.ShowSearchLines);
}

void TFormSpecSetPoint::ShowHoverColour(TColor colour) {
    ShowSwatch(ShapeSelectColor, colour);
}

void TFormSpecSetPoint::CloseWindow() {
    closing_ = true;
    hide();
    closing_ = false;
}

void TFormSpecSetPoint::closeEvent(QCloseEvent* event) {
    if (closing_) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    emit CloseAsked();
}

void TFormSpecSetPoint::reject() {
    emit CloseAsked();
}

void TFormSpecSetPoint::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        move(room.center() - QPoint(frameSize().width() / 2, frameSize().height() / 2));
    }
    QDialog::showEvent(event);
}

} // namespace lineora
