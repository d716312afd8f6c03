#include "ui/tracing/FormAvtomat.h"

#include "core/tracing/AutoDigitize.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace lineora {

TFormAvtomat::TFormAvtomat(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAvtomat"));
    setWindowTitle(QStringLiteral("FormAvtomat"));
    setFixedSize(340, 130);

    Label1 = new QLabel(QStringLiteral("Модуль автоматического распознования"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 10, 316, 20);
    ButtonWorkAvtomat = new QPushButton(QStringLiteral("Выполнить"), this);
    ButtonWorkAvtomat->setObjectName(QStringLiteral("ButtonWorkAvtomat"));
    ButtonWorkAvtomat->setGeometry(12, 84, 120, 30);
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

    connect(ButtonWorkAvtomat, &QPushButton::clicked, this, &TFormAvtomat::WorkClicked);
}

int TFormAvtomat::Threshold() const {
    return SpinEditSummaOkr->value();
}

} // namespace lineora
