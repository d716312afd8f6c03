#include "ui/photometry/FormDoubleAxisX.h"

#include "core/commands/PhotometryCommands.h"
#include "ui/FormControls.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace lineora {

TFormDoubleAxisX::TFormDoubleAxisX(QWidget* parent) : TModeDialog(parent) {
    setObjectName(QStringLiteral("FormDoubleAxisX"));
    setWindowTitle(QStringLiteral("КСС в прямоуг. системе"));
    setFixedSize(300, 348);

    BuildRanges();
    BuildChartType();
    BuildPicks();

    ButtonSaveToTXT =
        MakeButton(this, "ButtonSaveToTXT", QStringLiteral("Запись"), {8, 312, 90, 28});
    // The text output window's own save writes this mode's table.
    ButtonSaveToTXT->setEnabled(false);
    ButtonReset =
        MakeButton(this, "ButtonReset", QStringLiteral("Сброс точек"), {105, 312, 90, 28});
    ButtonReset->setToolTip(QStringLiteral("Сброс введенных меток"));
    ButtonClose = MakeButton(this, "ButtonClose", QStringLiteral("Закрыть"), {202, 312, 90, 28});
    ButtonClose->setToolTip(QStringLiteral("Закончить работу"));
    connect(ButtonReset, &QPushButton::clicked, this, &TFormDoubleAxisX::ResetClicked);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);

    ShowState(PhotometryState{}, Tool::SetPoint);
}

QGroupBox* TFormDoubleAxisX::BuildRange(const char* groupName, const QString& title, int top,
                                        std::array<const char*, 4> names,
                                        std::array<CartesianField, 2> fields, QLabel*& minLabel,
                                        QLineEdit*& minField, QLabel*& maxLabel,
                                        QLineEdit*& maxField) {
    QGroupBox* group = MakeGroup(this, groupName, title, {8, top, 284, 54});
    const auto field = [this, group](const char* name, QRect place, CartesianField role) {
        return MakeField(
            group, name, place, FieldMinusRule(role),
            [this, role](const QString& text) { emit FieldEdited(role, text); },
            [this, role] { emit FieldEntered(role); });
    };
    minLabel = MakeLabel(group, names[0], QStringLiteral("Мин "), {10, 24, 40, 18});
    minField = field(names[1], {50, 21, 84, 22}, fields[0]);
    maxLabel = MakeLabel(group, names[2], QStringLiteral("Макс"), {146, 24, 40, 18});
    maxField = field(names[3], {186, 21, 88, 22}, fields[1]);
    return group;
}

void TFormDoubleAxisX::BuildRanges() {
    GroupBoxTipMastabUgol = BuildRange("GroupBoxTipMastabUgol", QStringLiteral("Масштаб по углу"),
                                       8, {"LabelMinX1", "EditMinX1", "LabelMaxX1", "EditMaxX1"},
                                       {CartesianField::MinX1, CartesianField::MaxX1}, LabelMinX1,
                                       EditMinX1, LabelMaxX1, EditMaxX1);
    GroupBoxMastabInt = BuildRange("GroupBoxMastabInt", QStringLiteral("Масштаб по силе света"), 68,
                                   {"LabelMinY", "EditMinY", "LabelMaxY", "EditMaxY"},
                                   {CartesianField::MinY, CartesianField::MaxY}, LabelMinY,
                                   EditMinY, LabelMaxY, EditMaxY);
}

void TFormDoubleAxisX::BuildChartType() {
    GroupBoxTipGrafika =
        MakeGroup(this, "GroupBoxTipGrafika", QStringLiteral("Тип графика"), {8, 128, 140, 94});
    RadioButtonTip1 = Named(new QRadioButton(QStringLiteral("одна кривая"), GroupBoxTipGrafika),
                            "RadioButtonTip1", {10, 20, 124, 20});
    RadioButtonTip2 = Named(new QRadioButton(QStringLiteral("две кривые"), GroupBoxTipGrafika),
                            "RadioButtonTip2", {10, 44, 124, 20});
    // The shift belongs to the two-curve chart: it sits under that choice.
    CheckBoxTip3 = Named(new QCheckBox(QStringLiteral("сдвиг"), GroupBoxTipGrafika), "CheckBoxTip3",
                         {28, 68, 106, 20});
    OnUserToggle(RadioButtonTip1, [this](bool) { emit OneCurveChosen(); });
    OnUserToggle(RadioButtonTip2,
                 [this](bool) { emit TwoCurvesChosen(CheckBoxTip3->isChecked()); });
    OnUserToggle(CheckBoxTip3, [this](bool on) { emit TwoCurvesChosen(on); });

    GroupBoxSimmetria =
        MakeGroup(this, "GroupBoxSimmetria", QStringLiteral("Симметрия"), {152, 128, 140, 94});
    CheckBoxCross = Named(new QCheckBox(QStringLiteral("Поперечная"), GroupBoxSimmetria),
                          "CheckBoxCross", {10, 20, 124, 20});
    CheckBoxLong = Named(new QCheckBox(QStringLiteral("Продолная"), GroupBoxSimmetria),
                         "CheckBoxLong", {10, 44, 124, 20});
    OnUserToggle(CheckBoxCross, [this](bool on) { emit CrossClicked(on); });
    OnUserToggle(CheckBoxLong, [this](bool on) { emit LongClicked(on); });
}

QToolButton* TFormDoubleAxisX::MakeCartesianPick(const char* name, const QString& caption,
                                                 QRect place, const QString& hint, Tool pick) {
    QToolButton* button = MakePick(GroupBoxSpecPoint, name, caption, place, hint);
    connect(button, &QToolButton::clicked, this,
            [this, pick](bool down) { emit PickToggled(pick, down); });
    return button;
}

void TFormDoubleAxisX::BuildPicks() {
    GroupBoxSpecPoint = MakeGroup(this, "GroupBoxSpecPoint", QStringLiteral("Осевая сила света"),
                                  {8, 228, 284, 76});
    const QString firstPair = QStringLiteral("Указать осевую силу света на рисунке");
    // The first pair's axial pick has two buttons in one place: chart type 3 shows the second.
    SpeedButtonAxis1Int0 = MakeCartesianPick("SpeedButtonAxis1Int0", QStringLiteral("Io"),
                                             {10, 20, 60, 24}, firstPair, Tool::AxialI0);
    SpeedButtonSetPointY1 = MakeCartesianPick("SpeedButtonSetPointY1", QStringLiteral("Io"),
                                              {10, 20, 60, 24}, firstPair, Tool::PairI0);
    SpeedButtonSetPointY2 = MakeCartesianPick(
        "SpeedButtonSetPointY2", QStringLiteral("Imax"), {76, 20, 60, 24},
        QStringLiteral("Указать осевую точку второй пары кривых на рисунке"), Tool::PairAxis2);
    LabelSpec4Koef =
        MakeLabel(GroupBoxSpecPoint, "LabelSpec4Koef", QStringLiteral("0/0"), {10, 50, 264, 18});
    // The shift's three numbers stand in fixed-width fields.
    LabelSpec4Koef->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void TFormDoubleAxisX::ShowState(const PhotometryState& modes, Tool toolMode) {
    const CartesianDialogState& dialog = modes.Spec4;
    showing_ = true;
    ShowText(EditMinX1, dialog.MinX1);
    ShowText(EditMaxX1, dialog.MaxX1);
    ShowText(EditMinY, dialog.MinY);
    ShowText(EditMaxY, dialog.MaxY);
    ShowChecked(RadioButtonTip1, modes.Spec4ChartType == 1);
    ShowChecked(RadioButtonTip2, modes.Spec4ChartType != 1);
    ShowChecked(CheckBoxTip3, dialog.Tip3Checked);
    CheckBoxTip3->setEnabled(dialog.Tip3Enabled);
    ShowChecked(CheckBoxCross, dialog.CrossChecked);
    ShowChecked(CheckBoxLong, dialog.LongChecked);
    CheckBoxCross->setEnabled(dialog.CrossEnabled);
    CheckBoxLong->setEnabled(dialog.LongEnabled);

    SpeedButtonAxis1Int0->setVisible(dialog.Axis1Int0Visible);
    SpeedButtonSetPointY1->setVisible(dialog.SetPointY1Visible);
    SpeedButtonSetPointY2->setVisible(dialog.SetPointY2Visible);
    LabelSpec4Koef->setVisible(dialog.KoefVisible);
    LabelSpec4Koef->setText(dialog.Koef);
    const std::pair<QToolButton*, Tool> picks[] = {{SpeedButtonAxis1Int0, Tool::AxialI0},
                                                   {SpeedButtonSetPointY1, Tool::PairI0},
                                                   {SpeedButtonSetPointY2, Tool::PairAxis2}};
    for (const auto& [button, pick] : picks) {
        ShowChecked(button, toolMode == pick);
    }
    showing_ = false;
}

} // namespace lineora
