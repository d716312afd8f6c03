#include "ui/photometry/FormSpec3.h"

#include "core/commands/PhotometryCommands.h"
#include "ui/FormControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace lineora {

namespace {

constexpr QRect kPickPlace{10, 20, 48, 24};
constexpr QRect kPickField{64, 21, 90, 22};

} // namespace

TFormSpec3::TFormSpec3(QWidget* parent) : TModeDialog(parent) {
    setObjectName(QStringLiteral("FormSpec3"));
    setWindowTitle(QStringLiteral("KCC в полярных координатах"));
    setFixedSize(300, 428);

    BuildChartType();
    BuildIntensities();
    BuildAngles();

    ButtonSaveToTXT =
        MakeButton(this, "ButtonSaveToTXT", QStringLiteral("Запись"), {8, 392, 90, 28});
    ButtonReset = MakeButton(this, "ButtonReset", QStringLiteral("Сброс"), {105, 392, 90, 28});
    ButtonReset->setToolTip(QStringLiteral("Сброс введенных меток"));
    ButtonClose = MakeButton(this, "ButtonClose", QStringLiteral("Закрыть"), {202, 392, 90, 28});
    ButtonClose->setToolTip(QStringLiteral("Закончить работу"));
    connect(ButtonSaveToTXT, &QPushButton::clicked, this, &TFormSpec3::SaveClicked);
    connect(ButtonReset, &QPushButton::clicked, this, &TFormSpec3::ResetClicked);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);

    ShowState(PhotometryState{}, Tool::SetPoint);
}

void TFormSpec3::BuildChartType() {
    RadioButtonTip1 = Named(new QRadioButton(QStringLiteral("одна кривая"), this),
                            "RadioButtonTip1", {14, 14, 130, 20});
    RadioButtonTip2 = Named(new QRadioButton(QStringLiteral("две кривые"), this), "RadioButtonTip2",
                            {14, 38, 130, 20});
    LabelSimmetria =
        MakeLabel(this, "LabelSimmetria", QStringLiteral("Симметрия:"), {152, 4, 140, 16});
    CheckBoxCross = Named(new QCheckBox(QStringLiteral("Поперечная"), this), "CheckBoxCross",
                          {152, 22, 140, 20});
    CheckBoxLong = Named(new QCheckBox(QStringLiteral("Продольная"), this), "CheckBoxLong",
                         {152, 44, 140, 20});
    OnUserToggle(RadioButtonTip1, [this](bool) { emit ChartTypeChosen(1); });
    OnUserToggle(RadioButtonTip2, [this](bool) { emit ChartTypeChosen(2); });
    OnUserToggle(CheckBoxCross, [this](bool on) { emit CrossClicked(on); });
    OnUserToggle(CheckBoxLong, [this](bool on) { emit LongClicked(on); });
}

void TFormSpec3::BuildIntensities() {
    GroupBoxMastab = MakeGroup(this, "GroupBoxMastab", QStringLiteral("Масштаб по силе света"),
                               {8, 72, 284, 52});
    EditIntenMax =
        MakePolarField(GroupBoxMastab, "EditIntenMax", {64, 21, 90, 22}, PolarField::IntenMax);

    GroupBoxI0 =
        MakeGroup(this, "GroupBoxI0", QStringLiteral("Осевая сила света"), {8, 130, 284, 54});
    SpeedButtonInt0 =
        MakePolarPick(GroupBoxI0, "SpeedButtonInt0", QStringLiteral("Io"), kPickPlace,
                      QStringLiteral("Указать осевую силу света на рисунке"), Tool::PolarI0);
    EditInt0 = MakePolarField(GroupBoxI0, "EditInt0", kPickField, PolarField::Int0);

    GroupBoxImax = MakeGroup(this, "GroupBoxImax", QStringLiteral("Сила света при 180 град"),
                             {8, 190, 284, 54});
    SpeedButtonInt180 = MakePolarPick(
        GroupBoxImax, "SpeedButtonInt180", QStringLiteral("Imax"), kPickPlace,
        QStringLiteral("Указать силу света при 180 град на рисунке"), Tool::PolarI180);
    EditAlfa180 = MakePolarField(GroupBoxImax, "EditAlfa180", kPickField, PolarField::Alfa180);
}

void TFormSpec3::BuildAngles() {
    GroupBoxUgl =
        MakeGroup(this, "GroupBoxUgl", QStringLiteral("Максимальные углы"), {8, 250, 284, 132});
    RadioButtonUgol90 = Named(new QRadioButton(QStringLiteral("все 90 град"), GroupBoxUgl),
                              "RadioButtonUgol90", {10, 22, 120, 20});
    RadioButtonUgol180 = Named(new QRadioButton(QStringLiteral("все 180 град"), GroupBoxUgl),
                               "RadioButtonUgol180", {10, 46, 120, 20});
    RadioButtonUgolRazn = Named(new QRadioButton(QStringLiteral("разные"), GroupBoxUgl),
                                "RadioButtonUgolRazn", {10, 70, 120, 20});
    OnUserToggle(RadioButtonUgol90, [this](bool) { emit AnglesChosen(LightAngles::All90); });
    OnUserToggle(RadioButtonUgol180, [this](bool) { emit AnglesChosen(LightAngles::All180); });
    OnUserToggle(RadioButtonUgolRazn, [this](bool) { emit AnglesChosen(LightAngles::Different); });

    struct Limit {
        QToolButton** button;
        QLineEdit** field;
        const char* buttonName;
        const char* fieldName;
        const char* caption;
        const char* hint;
        Tool pick;
        PolarField role;
    };
    const Limit limits[] = {
        {&SpeedButtonUpper, &EditUpper, "SpeedButtonUpper", "EditUpper", "Верх",
         "Указать верхний предельный угол на рисунке", Tool::PolarUpper, PolarField::Upper},
        {&SpeedButtonLower, &EditLower, "SpeedButtonLower", "EditLower", "Низ",
         "Указать нижний предельный угол на рисунке", Tool::PolarLower, PolarField::Lower},
        {&SpeedButtonRight, &EditRight, "SpeedButtonRight", "EditRight", "Право",
         "Указать правый предельный угол на рисунке", Tool::PolarRight, PolarField::Right},
        {&SpeedButtonLeft, &EditLeft, "SpeedButtonLeft", "EditLeft", "Лево",
         "Указать левый предельный угол на рисунке", Tool::PolarLeft, PolarField::Left},
    };
    int top = 18;
    for (const Limit& limit : limits) {
        *limit.button =
            MakePolarPick(GroupBoxUgl, limit.buttonName, QString::fromUtf8(limit.caption),
                          {140, top, 60, 24}, QString::fromUtf8(limit.hint), limit.pick);
        *limit.field =
            MakePolarField(GroupBoxUgl, limit.fieldName, {206, top + 1, 68, 22}, limit.role);
        top += 28;
    }
}

QLineEdit* TFormSpec3::MakePolarField(QWidget* parent, const char* name, QRect place,
                                      PolarField field) {
    return MakeField(
        parent, name, place, FieldMinusRule(field),
        [this, field](const QString& text) { emit FieldEdited(field, text); },
        [this, field] { emit FieldEntered(field); });
}

QToolButton* TFormSpec3::MakePolarPick(QWidget* parent, const char* name, const QString& caption,
                                       QRect place, const QString& hint, Tool pick) {
    QToolButton* button = MakePick(parent, name, caption, place, hint);
    connect(button, &QToolButton::clicked, this,
            [this, pick](bool down) { emit PickToggled(pick, down); });
    return button;
}

void TFormSpec3::ShowState(const PhotometryState& modes, Tool toolMode) {
    const PolarDialogState& dialog = modes.Spec3;
    showing_ = true;
    ShowChecked(RadioButtonTip1, modes.Spec3ChartType == 1);
    ShowChecked(RadioButtonTip2, modes.Spec3ChartType == 2);
    ShowChecked(CheckBoxCross, dialog.CrossChecked);
    ShowChecked(CheckBoxLong, dialog.LongChecked);
    CheckBoxCross->setEnabled(dialog.CrossEnabled);
    CheckBoxLong->setEnabled(dialog.LongEnabled);
    ShowChecked(RadioButtonUgol90, dialog.Angles == LightAngles::All90);
    ShowChecked(RadioButtonUgol180, dialog.Angles == LightAngles::All180);
    ShowChecked(RadioButtonUgolRazn, dialog.Angles == LightAngles::Different);

    ShowText(EditIntenMax, dialog.IntenMax);
    ShowText(EditInt0, dialog.Int0);
    ShowText(EditAlfa180, dialog.Alfa180);
    ShowText(EditUpper, dialog.Upper);
    ShowText(EditLower, dialog.Lower);
    ShowText(EditRight, dialog.Right);
    ShowText(EditLeft, dialog.Left);

    // An edit and its pick button are enabled together; the axial pick always is.
    const std::pair<QWidget*, bool> enabled[] = {
        {EditAlfa180, dialog.Alfa180Enabled}, {SpeedButtonInt180, dialog.Alfa180Enabled},
        {EditUpper, dialog.UpperEnabled},     {SpeedButtonUpper, dialog.UpperEnabled},
        {EditLower, dialog.LowerEnabled},     {SpeedButtonLower, dialog.LowerEnabled},
        {EditRight, dialog.RightEnabled},     {SpeedButtonRight, dialog.RightEnabled},
        {EditLeft, dialog.LeftEnabled},       {SpeedButtonLeft, dialog.LeftEnabled},
    };
    for (const auto& [control, on] : enabled) {
        control->setEnabled(on);
    }
    const std::pair<QToolButton*, Tool> picks[] = {
        {SpeedButtonInt0, Tool::PolarI0},     {SpeedButtonInt180, Tool::PolarI180},
        {SpeedButtonUpper, Tool::PolarUpper}, {SpeedButtonLower, Tool::PolarLower},
        {SpeedButtonRight, Tool::PolarRight}, {SpeedButtonLeft, Tool::PolarLeft},
    };
    for (const auto& [button, pick] : picks) {
        ShowChecked(button, toolMode == pick);
    }
    showing_ = false;
}

} // namespace lineora
