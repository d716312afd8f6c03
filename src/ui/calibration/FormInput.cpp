#include "ui/calibration/FormInput.h"

#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/ErrorBoundary.h"
#include "core/common/NumericKeyFilter.h"
#include "ui/FormControls.h"

#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace lineora {

namespace {

// The sketch is drawn in blue, as on paper the axes stand out from the numbers.
const QString kAxisStyle = QStringLiteral("QFrame { background-color: #0000ff; border: none; }");

QFrame* MakeShape(QWidget* parent, const char* name, QRect place, const QString& style) {
    auto* shape = Named(new QFrame(parent), name, place);
    shape->setStyleSheet(style);
    return shape;
}

QString CircleStyle(int diameter) {
    return QStringLiteral("QFrame { border: 1px solid #0000ff; border-radius: %1px; }")
        .arg(diameter / 2);
}

} // namespace

TFormInput::TFormInput(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInput"));
    setWindowTitle(QStringLiteral("Input Date"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(172, 115);

    // The cartesian sketch on the left: the Y axis up from the origin, the X axis to the right.
    Shape1 = MakeShape(this, "Shape1", {44, 6, 5, 74}, kAxisStyle);
    Shape2 = MakeShape(this, "Shape2", {44, 75, 66, 5}, kAxisStyle);
    LabelSelectInput = MakeLabel(this, "LabelSelectInput", QStringLiteral("Y"), {53, 2, 14, 16});
    Label3 = MakeLabel(this, "Label3", QStringLiteral("X"), {98, 58, 14, 16});
    // The polar sketch on the right: a circle with its radius.
    Shape3 = MakeShape(this, "Shape3", {121, 4, 40, 40}, CircleStyle(40));
    ShapePolar = MakeShape(this, "ShapePolar", {141, 23, 20, 2}, kAxisStyle);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Polar axes"), {110, 46, 62, 40});
    Label2->setWordWrap(true);
    QFont small = Label2->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    Label2->setFont(small);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const AxisTexts designTexts;
    EditMaxY = MakeField("EditMaxY", {2, 6, 40, 22}, &AxisTexts::MaxY);
    EditMinY = MakeField("EditMinY", {2, 66, 40, 22}, &AxisTexts::MinY);
    EditMinX = MakeField("EditMinX", {22, 90, 42, 22}, &AxisTexts::MinX);
    EditMaxX = MakeField("EditMaxX", {68, 90, 44, 22}, &AxisTexts::MaxX);
    EditPolarMaxX = MakeField("EditPolarMaxX", {120, 90, 50, 22}, &AxisTexts::PolarMaxX);
    EditMaxY->setText(designTexts.MaxY);
    EditMinY->setText(designTexts.MinY);
    EditMinX->setText(designTexts.MinX);
    EditMaxX->setText(designTexts.MaxX);
    EditPolarMaxX->setText(designTexts.PolarMaxX);
    EditPolarMaxX->hide();

    FilterNumericKeys(EditMinX, MinusRule::WhileEmpty, [this] { ApplyAndMoveTo(EditMaxY); });
    FilterNumericKeys(EditMaxY, MinusRule::WhileEmpty, [this] { ApplyAndMoveTo(EditMinY); });
    FilterNumericKeys(EditMinY, MinusRule::WhileEmpty, [this] { ApplyAndMoveTo(EditMaxX); });
    FilterNumericKeys(EditMaxX, MinusRule::WhileEmpty, [this] {
        ApplyAndMoveTo(EditMinX, [this] { ApplyAxisMaxX(*state_, *views_); });
    });
    FilterNumericKeys(EditPolarMaxX, MinusRule::WhileEmpty, [this] { ApplyPolar(); });
}

QLineEdit* TFormInput::MakeField(const char* name, QRect place, QString AxisTexts::*text) {
    auto* field = Named(new QLineEdit(this), name, place);
    connect(field, &QLineEdit::textEdited, this, [this, text](const QString& typed) {
        if (state_ != nullptr) {
            state_->Texts.*text = typed;
        }
    });
    return field;
}

void TFormInput::Attach(State& state, Host& host, Views& views) {
    state_ = &state;
    host_ = &host;
    views_ = &views;
    ShowState();
}

void TFormInput::ShowState() {
    if (state_ == nullptr) {
        return;
    }
    const AxisTexts& texts = state_->Texts;
    ShowText(EditMaxY, texts.MaxY);
    ShowText(EditMinY, texts.MinY);
    ShowText(EditMinX, texts.MinX);
    ShowText(EditMaxX, texts.MaxX);
    ShowText(EditPolarMaxX, texts.PolarMaxX);
    const bool polar = state_->Setup.Polar();
    for (QLineEdit* field : {EditMaxY, EditMinY, EditMinX, EditMaxX}) {
        field->setVisible(!polar);
    }
    EditPolarMaxX->setVisible(polar);
}

void TFormInput::ApplyAndMoveTo(QLineEdit* next, const std::function<void()>& apply) {
    if (state_ == nullptr) {
        return;
    }
    // RefreshAll reads every field, so Enter in any of them applies them all.
    const auto refresh = [this] { RefreshAll(*state_, *views_); };
    if (RunUserAction(*state_, *host_, apply ? apply : refresh)) {
        next->setFocus();
    }
}

void TFormInput::ApplyPolar() {
    if (state_ != nullptr) {
        RunUserAction(*state_, *host_, [this] { ApplyPolarMax(*state_, *views_); });
    }
}

void TFormInput::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lineora
