// The picture in its scroll box: what the commands show on it, and the mouse and key events
// turned into commands.

#include "ui/app/FormLineora.h"

#include "core/commands/Commands.h"
#include "core/commands/KeyFilter.h"
#include "core/commands/PictureMouse.h"
#include "core/commands/UndoCommands.h"
#include "core/common/ErrorBoundary.h"
#include "ui/app/Cursors.h"
#include "ui/app/PictureView.h"
#include "ui/app/PictureWheel.h"
#include "ui/app/Windows.h"

#include <QAction>
#include <QCursor>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace lineora {

void TFormLineora::BuildPictureBox() {
    ScrollBox1 = new QScrollArea(centralWidget());
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    imgGrafik = new PictureView;
    imgGrafik->setObjectName(QStringLiteral("imgGrafik"));
    imgGrafik->SetImage(&state_.Pics.Working);
    ScrollBox1->setWidget(imgGrafik);
    ScrollBox1->viewport()->installEventFilter(
        new PictureWheel(ScrollBox1, state_, [this](int index) {
            Command([this, index] { SetScaleIndex(state_, *this, index); });
        }));
}

void TFormLineora::PictureChanged() {
    imgGrafik->update();
}

void TFormLineora::PictureAreaChanged(const QRect& pictureArea) {
    imgGrafik->UpdatePictureArea(pictureArea);
}

void TFormLineora::ViewScaleChanged() {
    const MainState& main = state_.Main;
    imgGrafik->SetScale(
        main.ViewScale,
        ScaledPictureSize(state_.Pics.PictureWidth, state_.Pics.PictureHeight, main.ViewScale));
    if (main.ScaleIndex >= 1 && main.ScaleIndex <= 7) {
        const auto index = static_cast<std::size_t>(main.ScaleIndex);
        BTNZOOM->setText(QString::fromLatin1(kScaleCaptions[index]));
        scaleItems_[index]->setChecked(true);
    }
}

void TFormLineora::SetPictureCursor(CursorId id) {
    if (id == pictureCursor_) {
        return;
    }
    pictureCursor_ = id;
    imgGrafik->setCursor(PictureCursor(id));
}

void TFormLineora::ScrollPictureBy(int dx, int dy) {
    QScrollBar* horizontal = ScrollBox1->horizontalScrollBar();
    QScrollBar* vertical = ScrollBox1->verticalScrollBar();
    horizontal->setValue(horizontal->value() + dx);
    vertical->setValue(vertical->value() + dy);
}

void TFormLineora::UpdateMagnifier(int x, int y) {
    if (windows_ != nullptr && windows_->FormZoom) {
        windows_->FormZoom->ShowAround(state_.Pics.Working, x, y);
    }
}

void TFormLineora::MovePointerBy(int dx, int dy) {
    QCursor::setPos(QCursor::pos() + QPoint(dx, dy));
}

void TFormLineora::OnKey(Key key) {
    RunUserAction(state_, host_, [&] { MainWindowKeyDown(state_, host_, *this, key); });
    ControlsChanged();
}

// A press, the drag that follows it (the eraser erases while moving) and the release are one
// step.
void TFormLineora::OnMouseDown(std::uint32_t shift, int x, int y) {
    RunUserAction(
        state_, host_, [&] { PictureMouseDown(state_, host_, *this, shift, x, y); },
        StepJoin::OpenForDrag);
    ControlsChanged();
}

void TFormLineora::OnMouseMove(std::uint32_t shift, int x, int y) {
    Guarded(host_, [&] { PictureMouseMove(state_, host_, *this, shift, x, y); });
}

void TFormLineora::OnMouseUp() {
    RunUserAction(
        state_, host_, [&] { PictureMouseUp(state_, *this); }, StepJoin::JoinDrag);
    ControlsChanged();
}

} // namespace lineora
