#include "ui/picture/FormVygibatel.h"

#include "core/picture/Straightening.h"
#include "ui/FormControls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace lineora {

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, QRect place) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setGeometry(place);
    // Holding the arrow steps on, as a spin button does.
    button->setAutoRepeat(true);
    return button;
}

QLabel* MakeValueLabel(QWidget* parent, const char* name) {
    auto* label = Named(new QLabel(parent), name, {16, 30, 70, 20});
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

TSpinButton* MakeSpin(QWidget* parent, const char* name) {
    return Named(new TSpinButton(parent), name, {96, 22, 20, 36});
}

} // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), UpButton(MakeArrow(this, Qt::UpArrow, {0, 0, 20, 18})),
      DownButton(MakeArrow(this, Qt::DownArrow, {0, 18, 20, 18})) {}

TFormVygibatel::TFormVygibatel(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormVygibatel"));
    setWindowTitle(QStringLiteral("Настройка и выпрямление графика"));
    setFixedSize(280, 130);

    GroupBox2 = MakeGroup(this, "GroupBox2", QStringLiteral("Кривизна"), {8, 8, 128, 70});
    Labelkrivizna = MakeValueLabel(GroupBox2, "Labelkrivizna");
    SpinButtonkrivizna = MakeSpin(GroupBox2, "SpinButtonkrivizna");
    GroupBox1 = MakeGroup(this, "GroupBox1", QStringLiteral("Разрыв по У"), {144, 8, 128, 70});
    LabelRazdel = MakeValueLabel(GroupBox1, "LabelRazdel");
    SpinButton1 = MakeSpin(GroupBox1, "SpinButton1");
    ButtonVigibatel =
        MakeButton(this, "ButtonVigibatel", QStringLiteral("Выпрямление"), {8, 92, 128, 28});
    ButtonClose = MakeButton(this, "ButtonClose", QStringLiteral("Закрыть"), {144, 92, 128, 28});

    const StraightenerState start;
    ShowSettings(start.StraightenRadius, start.StripGap);

    connect(SpinButtonkrivizna->DownButton, &QToolButton::clicked, this,
            &TFormVygibatel::CurvatureDownClicked);
    connect(SpinButtonkrivizna->UpButton, &QToolButton::clicked, this,
            &TFormVygibatel::CurvatureUpClicked);
    connect(SpinButton1->DownButton, &QToolButton::clicked, this, &TFormVygibatel::GapDownClicked);
    connect(SpinButton1->UpButton, &QToolButton::clicked, this, &TFormVygibatel::GapUpClicked);
    connect(ButtonVigibatel, &QPushButton::clicked, this, &TFormVygibatel::StraightenClicked);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);
}

void TFormVygibatel::ShowSettings(std::int32_t radius, std::int32_t gap) {
    Labelkrivizna->setText(QString::number(radius));
    LabelRazdel->setText(QString::number(gap));
}

void TFormVygibatel::done(int result) {
    if (isVisible()) {
        emit Closing();
    }
    QDialog::done(result);
}

void TFormVygibatel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored with its minimised owner is not a new showing.
    if (!event->spontaneous()) {
        emit Shown();
    }
}

} // namespace lineora
