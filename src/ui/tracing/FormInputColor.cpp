#include "ui/tracing/FormInputColor.h"

#include "core/common/Color.h"
#include "core/common/NumberText.h"
#include "ui/FormControls.h"
#include "ui/tracing/FormSwatch.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace lineora {

namespace {

constexpr TColor kWhite = 0xFFFFFF;

QLineEdit* MakeComponentEdit(QWidget* parent, const char* name, QRect place) {
    auto* edit = Named(new QLineEdit(QStringLiteral("125"), parent), name, place);
    // The fields show what the pipette reads; nothing reads them back.
    edit->setReadOnly(true);
    return edit;
}

QString Decimal(std::int32_t value) {
    return PadLeft(value, 1);
}

} // namespace

TFormInputColor::TFormInputColor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInputColor"));
    setWindowTitle(QStringLiteral("FormInputColor"));
    setFixedSize(364, 236);

    ButtonOk = MakeButton(this, "ButtonOk", QStringLiteral("Ok"), {240, 150, 88, 28});
    ButtonCancel = MakeButton(this, "ButtonCancel", QStringLiteral("Cancel"), {240, 190, 88, 28});
    ShapeLineGrafik = swatch::Make(this, "ShapeLineGrafik", {12, 30, 148, 30}, kWhite);
    ShapeBackground = swatch::Make(this, "ShapeBackground", {180, 30, 148, 30}, kWhite);
    ShapeEkran = swatch::Make(this, "ShapeEkran", {12, 94, 148, 30}, kWhite);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Color of Grafics Line "), {12, 8, 160, 20});
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Color of Background"), {180, 8, 180, 20});
    ShapeSample = swatch::Make(this, "ShapeSample", {180, 94, 148, 30}, kWhite);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("Цвет под курсором"), {12, 72, 160, 20});
    Label4 =
        MakeLabel(this, "Label4", QStringLiteral("Текущий выбранный цвет"), {180, 72, 180, 20});
    EditRedComp = MakeComponentEdit(this, "EditRedComp", {140, 142, 50, 22});
    LabelRedComp =
        MakeLabel(this, "LabelRedComp", QStringLiteral("Red Component"), {12, 144, 124, 20});
    LabelGreenComp =
        MakeLabel(this, "LabelGreenComp", QStringLiteral("Green Component"), {12, 170, 124, 20});
    LabelBlueComp =
        MakeLabel(this, "LabelBlueComp", QStringLiteral("Blue Component"), {12, 196, 124, 20});
    EditGreenComp = MakeComponentEdit(this, "EditGreenComp", {140, 168, 50, 22});
    EditBlueComp = MakeComponentEdit(this, "EditBlueComp", {140, 194, 50, 22});

    // The swatches take the sample when clicked.
    ShapeLineGrafik->installEventFilter(this);
    ShapeBackground->installEventFilter(this);
    ShapeLineGrafik->setCursor(Qt::PointingHandCursor);
    ShapeBackground->setCursor(Qt::PointingHandCursor);

    connect(ButtonOk, &QPushButton::clicked, this, &TFormInputColor::OkClicked);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormInputColor::CancelClicked);
}

TColor TFormInputColor::LineColour() const {
    return swatch::ColourOf(ShapeLineGrafik);
}

void TFormInputColor::SetLineColour(TColor colour) {
    swatch::Show(ShapeLineGrafik, colour);
    emit LineColourChanged(LineColour());
}

TColor TFormInputColor::BackgroundColour() const {
    return swatch::ColourOf(ShapeBackground);
}

void TFormInputColor::SetBackgroundColour(TColor colour) {
    swatch::Show(ShapeBackground, colour);
}

TColor TFormInputColor::SampleColour() const {
    return swatch::ColourOf(ShapeSample);
}

TColor TFormInputColor::HoverColour() const {
    return swatch::ColourOf(ShapeEkran);
}

void TFormInputColor::ShowHover(TColor colour) {
    swatch::Show(ShapeEkran, colour);
    EditRedComp->setText(Decimal(ColorRed(colour)));
    EditGreenComp->setText(Decimal(ColorGreen(colour)));
    EditBlueComp->setText(Decimal(ColorBlue(colour)));
}

void TFormInputColor::TakeSample() {
    swatch::Show(ShapeSample, HoverColour());
}

void TFormInputColor::done(int result) {
    QDialog::done(result);
    emit Closing();
}

void TFormInputColor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        emit Shown();
    }
}

bool TFormInputColor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == ShapeLineGrafik) {
            SetLineColour(SampleColour());
            return true;
        }
        if (watched == ShapeBackground) {
            SetBackgroundColour(SampleColour());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lineora
