#include "ui/tracing/FormAvtomat.h"

#include "core/tracing/AutoDigitize.h"
#include "ui/FormControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace lineora {

TFormAvtomat::TFormAvtomat(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAvtomat"));
    setWindowTitle(QStringLiteral("FormAvtomat"));
    setFixedSize(340, 220);

    Label1 = new QLabel(QStringLiteral("Модуль автоматического распознования"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 10, 316, 20);
    ButtonWorkAvtomat = new QPushButton(QStringLiteral("Выполнить"), this);
    ButtonWorkAvtomat->setObjectName(QStringLiteral("ButtonWorkAvtomat"));
    ButtonWorkAvtomat->setGeometry(12, 176, 120, 30);
    ButtonWorkAvtomat->setToolTip(QStringLiteral("Выполнить автоматическую обработку"));
    ButtonWorkAvtomat->setAutoDefault(false);
    SpinEditSummaOkr = new QSpinBox(this);
    SpinEditSummaOkr->setObjectName(QStringLiteral("SpinEditSummaOkr"));
    SpinEditSummaOkr->setGeometry(160, 44, 60, 24);
    SpinEditSummaOkr->setRange(kMinAutoThreshold, kMaxAutoThreshold);
    SpinEditSummaOkr->setValue(kDefaultAutoThreshold);
    Label2 = new QLabel(QStringLiteral("Кол-во точек"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(12, 46, 140, 20);

    const AutoFields design;
    CheckBoxAxisEnds = Named(new QCheckBox(QStringLiteral("Найти концы осей"), this),
                             "CheckBoxAxisEnds", {12, 76, 316, 22});
    LabelRangeX = MakeLabel(this, "LabelRangeX", QStringLiteral("X от, до"), {12, 108, 100, 20});
    EditRangeMinX = Named(new QLineEdit(design.MinX, this), "EditRangeMinX", {120, 106, 100, 24});
    EditRangeMaxX = Named(new QLineEdit(design.MaxX, this), "EditRangeMaxX", {228, 106, 100, 24});
    LabelRangeY = MakeLabel(this, "LabelRangeY", QStringLiteral("Y от, до"), {12, 140, 100, 20});
    EditRangeMinY = Named(new QLineEdit(design.MinY, this), "EditRangeMinY", {120, 138, 100, 24});
    EditRangeMaxY = Named(new QLineEdit(design.MaxY, this), "EditRangeMaxY", {228, 138, 100, 24});
    // The ranges count only with the check, and look so.
    for (QLineEdit* field : {EditRangeMinX, EditRangeMaxX, EditRangeMinY, EditRangeMaxY}) {
        field->setEnabled(false);
        connect(CheckBoxAxisEnds, &QCheckBox::toggled, field, &QLineEdit::setEnabled);
    }

    connect(ButtonWorkAvtomat, &QPushButton::clicked, this, &TFormAvtomat::WorkClicked);
}

int TFormAvtomat::Threshold() const {
    return SpinEditSummaOkr->value();
}

AutoFields TFormAvtomat::Fields() const {
    return {Threshold(),           CheckBoxAxisEnds->isChecked(), EditRangeMinX->text(),
            EditRangeMaxX->text(), EditRangeMinY->text(),         EditRangeMaxY->text()};
}

} // namespace lineora
