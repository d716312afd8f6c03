#include "ui/calibration/FormMoviPoint.h"

#include "core/commands/Commands.h"
#include "core/common/ErrorBoundary.h"
#include "ui/FormControls.h"

#include <QPushButton>

namespace lineora {

TFormMoviPoint::TFormMoviPoint(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormMoviPoint"));
    setWindowTitle(QStringLiteral("FormMoviPoint"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setFixedSize(180, 130);
    BitBtnUp = MakeButton(this, "BitBtnUp", QStringLiteral("Up"), {62, 8, 56, 28});
    BitBtnDown = MakeButton(this, "BitBtnDown", QStringLiteral("Down"), {62, 68, 56, 28});
    BitBtnLeft = MakeButton(this, "BitBtnLeft", QStringLiteral("Left"), {4, 38, 56, 28});
    BitBtnRight = MakeButton(this, "BitBtnRight", QStringLiteral("Right"), {120, 38, 56, 28});
    BitBtnClose = MakeButton(this, "BitBtnClose", QStringLiteral("OK"), {62, 100, 56, 26});
    BitBtnClose->setDefault(true);

    connect(BitBtnUp, &QPushButton::clicked, this, [this] { Nudge(0, -1); });
    connect(BitBtnDown, &QPushButton::clicked, this, [this] { Nudge(0, 1); });
    connect(BitBtnLeft, &QPushButton::clicked, this, [this] { Nudge(-1, 0); });
    connect(BitBtnRight, &QPushButton::clicked, this, [this] { Nudge(1, 0); });
    connect(BitBtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormMoviPoint::Attach(State& state, Host& host, Views& views) {
    state_ = &state;
    host_ = &host;
    views_ = &views;
}

void TFormMoviPoint::Nudge(int dx, int dy) {
    if (state_ != nullptr) {
        Guarded(*host_, [&] { NudgeSelectedPoint(*state_, *views_, dx, dy); });
    }
}

void TFormMoviPoint::done(int result) {
    // Hidden first, as the picture and the table are brought up to date after the window.
    QDialog::done(result);
    if (state_ != nullptr) {
        Guarded(*host_, [this] { FinishNudge(*state_, *views_); });
    }
}

} // namespace lineora
