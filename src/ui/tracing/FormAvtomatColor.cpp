#include "ui/tracing/FormAvtomatColor.h"

#include "core/common/NumericKeyFilter.h"
#include "ui/FormControls.h"
#include "ui/tracing/FormSwatch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace lineora {

TFormAvtomatColor::TFormAvtomatColor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAvtomatColor"));
    setWindowTitle(QStringLiteral("FormAvtomatColor"));
    setFixedSize(330, 230);

    ButtonFind = MakeButton(this, "ButtonFind", QStringLiteral("Выполнить"), {60, 190, 96, 28});
    ButtonCancel = MakeButton(this, "ButtonCancel", QStringLiteral("Отмена"), {176, 190, 96, 28});
    ShapeLineGrafik = swatch::Make(this, "ShapeLineGrafik", {250, 10, 64, 22}, 255);
    Label2 = Named(new QLabel(QStringLiteral("Установленный цвет линии"), this), "Label2",
                   {12, 12, 230, 20});
    EditNumberPointForFind = Named(new QLineEdit(QStringLiteral("20"), this),
                                   "EditNumberPointForFind", {250, 42, 64, 22});
    Label3 = Named(new QLabel(QStringLiteral("Сколько точек искать 1-1000"), this), "Label3",
                   {12, 44, 230, 20});
    RadioButton1 = Named(new QRadioButton(QStringLiteral("по цвету"), this), "RadioButton1",
                         {12, 76, 200, 22});
    RadioButton2 =
        Named(new QRadioButton(QStringLiteral("черный"), this), "RadioButton2", {12, 100, 200, 22});
    RadioButton3 = Named(new QRadioButton(QStringLiteral("специальный"), this), "RadioButton3",
                         {12, 124, 200, 22});
    RadioButton4 = Named(new QRadioButton(QStringLiteral("по цвету 2"), this), "RadioButton4",
                         {12, 148, 200, 22});
    EditPredel = Named(new QLineEdit(QStringLiteral("3"), this), "EditPredel", {250, 148, 64, 22});
    RadioButton1->setChecked(true);

    FilterNumericKeys(EditNumberPointForFind, MinusRule::Anywhere);

    connect(ButtonFind, &QPushButton::clicked, this, &TFormAvtomatColor::FindClicked);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormAvtomatColor::CancelClicked);
}

void TFormAvtomatColor::ShowFindColor(TColor colour) {
    swatch::Show(ShapeLineGrafik, colour);
}

TraceFields TFormAvtomatColor::Fields() const {
    TraceFields fields;
    if (RadioButton2->isChecked()) {
        fields.Criterion = TraceCriterion::Black;
    } else if (RadioButton3->isChecked()) {
        fields.Criterion = TraceCriterion::Special;
    } else if (RadioButton4->isChecked()) {
        fields.Criterion = TraceCriterion::Color2;
    }
    fields.FindColor = swatch::ColourOf(ShapeLineGrafik);
    fields.PointsText = EditNumberPointForFind->text();
    fields.NeighboursText = EditPredel->text();
    return fields;
}

void TFormAvtomatColor::done(int result) {
    QDialog::done(result);
    emit Closing();
}

void TFormAvtomatColor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        emit Shown();
    }
}

} // namespace lineora
