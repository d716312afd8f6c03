#include "calibration/FormMoviPoint.h"

#include <QPushButton>

namespace lineora {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    return button;
}

} // namespace

TFormMoviPoint::TFormMoviPoint(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormMoviPoint"));
    setWindowTitle(QStringLiteral("FormMoviPoint"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setFixedSize(180, 130);
    BitBtnUp = MakeButton(this, "BitBtnUp", QStringLiteral("Up"), {62, 8, 56, 28});
    BitBtnDown = MakeButton(this, "BitBtnDown", QStringLiteral("Down"), {62, 68, 56, 28});
    BitBtnLeft = MakeButton(this, "BitBtnLeft", QStringLiteral("Left"), {4, 38, 56, 28});
    BitBtnRight = MakeButton(this, "BitBtnRight", QStringLiteral("Right"), {120, 38, 56, 28});
    BitBtnClose = MakeButton(this, "BitBtnClose", QStringLiteral("OK"), {62, 100, 56, 26});
    BitBtnClose->setDefault(true);
    connect(BitBtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace lineora
