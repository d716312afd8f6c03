#include "ui/app/FormLineora.h"

#include "core/commands/Commands.h"
#include "core/commands/PictureMouse.h"
#include "core/common/Color.h"
#include "core/common/ErrorBoundary.h"
#include "ui/app/Cursors.h"
#include "ui/app/KeyPreFilter.h"
#include "ui/app/PictureView.h"
#include "ui/app/Translation.h"
#include "ui/app/Windows.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace lineora {

TFormLineora::TFormLineora(State& state, Host& host, QWidget* parent)
    : QMainWindow(parent), state_(state), host_(host) {
    setObjectName(QStringLiteral("FormLineora"));
    setWindowTitle(QStringLiteral("Lineora3"));
    setWindowIcon(GlyphIcon(Glyph::Program));
    setCentralWidget(new QWidget(this));
    centralWidget()->setObjectName(QStringLiteral("ClientArea"));
    centralWidget()->installEventFilter(this);

    BuildToolbar();
    BuildPictureBox();
    BuildStatusBar();
    BuildMainMenu();
    BuildPopupMenus();
    WireToolbar();
    WireMainMenu();
    WirePopupMenus();

    connect(imgGrafik, &PictureView::MouseDown, this, &TFormLineora::OnMouseDown);
    connect(imgGrafik, &PictureView::MouseMove, this, &TFormLineora::OnMouseMove);
    connect(imgGrafik, &PictureView::MouseUp, this, &TFormLineora::OnMouseUp);

    keyFilter_ = new KeyPreFilter([this] { return QApplication::activeWindow() == this; },
                                  [this](Key key) { OnKey(key); }, this);
    qApp->installEventFilter(keyFilter_);

    setMinimumSize(kMinimumClient.width(), kMinimumClient.height() + MenuBarHeight());
    ResizeClient(kDesignClient);
    ControlsChanged();
}

TFormLineora::~TFormLineora() {
    qApp->removeEventFilter(keyFilter_);
}

void TFormLineora::AttachWindows(Windows* windows) {
    windows_ = windows;
    for (int index = 0; index < kToggleCount; ++index) {
        ToggleWindow(static_cast<Toggle>(index))->installEventFilter(this);
    }
    WireToolWindows();
    windows->FormInput->Attach(state_, host_, *this);
    windows->FormMoviPoint->Attach(state_, host_, *this);
    windows->FormSetup->Attach(state_, host_, *this, [this] {
        ApplyLanguage(state_, state_.Main.AppDir, TranslationOrder(*windows_));
    });
}

int TFormLineora::MenuBarHeight() const {
    return menuBar()->sizeHint().height();
}

QSize TFormLineora::ClientSize() const {
    return centralWidget()->size();
}

void TFormLineora::ResizeClient(QSize client) {
    resize(client.width(), client.height() + MenuBarHeight());
}

void TFormLineora::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize client(event->size().width(), event->size().height() - MenuBarHeight());
    if (client.width() < kMinimumClient.width() || client.height() < kMinimumClient.height()) {
        ResizeClient(client.expandedTo(kMinimumClient));
    }
}

bool TFormLineora::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        LayoutClient();
    }
    if (event->type() == QEvent::Close) {
        for (int index = 0; index < kToggleCount; ++index) {
            if (watched == ToggleWindow(static_cast<Toggle>(index))) {
                ToggleWindowClosed(static_cast<Toggle>(index));
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormLineora::LayoutClient() {
    const QSize client = ClientSize();
    ToolPanel->setGeometry(0, 0, client.width(), kToolbarHeight);
    ScrollBox1->setGeometry(0, kToolbarHeight, client.width(), client.height() - kScrollBoxReserve);
    StatusBar1->setGeometry(0, client.height() - kStatusHeight, client.width(), kStatusHeight);
    ProgressBar1->setGeometry(client.width() - 260, client.height() - kStatusHeight, 250,
                              kStatusHeight);
    ProgressBar1->raise();
}

void TFormLineora::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    Guarded(host_, [&] { mayClose = CloseQuery(state_, host_, *this); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}

void TFormLineora::InitialiseControls() {
    for (int index = 1; index <= 7; ++index) {
        scaleItems_[static_cast<std::size_t>(index)]->setText(
            QString::fromLatin1(kScaleCaptions[static_cast<std::size_t>(index)]));
    }
    SetPictureCursor(state_.Main.CurrentCursor);
    ControlsChanged();
}

// Views -------------------------------------------------------------------------------------

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

QToolButton* TFormLineora::ToolButtonOf(std::int32_t toolMode) const {
    switch (toolMode) {
    case Tool::None:
        return SpeedButtonNoneRezim;
    case Tool::SetPoint:
        return ButtonSetPoint;
    case Tool::ZeroPoint:
        return ButtonSetZeroPoint;
    case Tool::XMaxPoint:
        return ButtonSetXMaxPoint;
    case Tool::YMaxPoint:
        return ButtonSetYMaxPoint;
    case Tool::Zone:
        return ButtonPasteLine;
    case Tool::Eraser:
        return ButtonErazer;
    case Tool::PickColor:
        return ButtonInputColor;
    case Tool::Zoom:
        return ButtonZoom;
    case Tool::ThreeClick:
        return SpeedButtonOn3click;
    default:
        return nullptr; // the special modes keep whichever button was down
    }
}

void TFormLineora::ShowLineColours() {
    for (int line = 1; line <= kCurveCount; ++line) {
        QToolButton* button = lineButtons_[static_cast<std::size_t>(line)];
        const QColor colour =
            QColor::fromRgb(ToQRgb(state_.Setup.LineColors[static_cast<std::size_t>(line)]));
        QPalette palette = button->palette();
        if (palette.color(QPalette::ButtonText) != colour) {
            palette.setColor(QPalette::ButtonText, colour);
            button->setPalette(palette);
        }
    }
}

void TFormLineora::ControlsChanged() {
    const MainState& main = state_.Main;
    if (QToolButton* tool = ToolButtonOf(main.ToolMode)) {
        tool->setChecked(true);
    }
    const int line = state_.Store.CurrentLine;
    if (line >= 1 && line <= kCurveCount) {
        lineButtons_[static_cast<std::size_t>(line)]->setChecked(true);
    }
    ShowLineColours();

    ButtonAvtoCorrect->setChecked(main.AvtoCorrectOn);
    MenuAutocorrection->setChecked(main.AvtoCorrectOn);
    ButtonStepX->setChecked(main.StepXOn);
    MenuOnDeltaX->setChecked(main.StepXOn);
    SpeedButtonAxis90->setChecked(main.Axis90ButtonDown);
    SpeedButtonDrawLine->setChecked(main.DrawLineButtonDown);

    if (main.ScaleIndex >= 1 && main.ScaleIndex <= 7) {
        scaleItems_[static_cast<std::size_t>(main.ScaleIndex)]->setChecked(true);
    }
    if (main.CursorKind >= 1 && main.CursorKind <= 5) {
        cursorItems_[static_cast<std::size_t>(main.CursorKind)]->setChecked(true);
    }
    const int format = state_.Pics.PixelFormatNow;
    for (int item = 1; item <= 7; ++item) {
        pixelFormatItems_[static_cast<std::size_t>(item)]->setChecked(item == format);
    }

    for (int toggle = 0; toggle < kToggleCount; ++toggle) {
        ToggleButton(static_cast<Toggle>(toggle))
            ->setChecked(ToggleFlag(static_cast<Toggle>(toggle)));
    }
    SyncToggleWindows(false);
    // The axis value fields and the setup dialog show settings a command may have changed.
    if (windows_ != nullptr) {
        windows_->FormInput->ShowState();
        windows_->FormSetup->ShowSettings();
    }
}

void TFormLineora::SetPictureCursor(int id) {
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

void TFormLineora::ShowStatus(int panel, const QString& text) {
    if (panel >= 0 && panel < static_cast<int>(StatusPanels.size())) {
        StatusPanels[static_cast<std::size_t>(panel)]->setText(text);
    }
}

void TFormLineora::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TFormLineora::TableChanged() {
    if (windows_ == nullptr) {
        return;
    }
    windows_->FormTable->Refresh(state_.Store, TableOptionsOf(state_));
    windows_->FormOutText->ShowText(state_.Output.MemoText);
}

void TFormLineora::RunNudge() {
    if (windows_ != nullptr && windows_->FormMoviPoint) {
        windows_->FormMoviPoint->exec();
    }
}

void TFormLineora::MovePointerBy(int dx, int dy) {
    QCursor::setPos(QCursor::pos() + QPoint(dx, dy));
}

void TFormLineora::CloseMainWindow() {
    close();
}

void TFormLineora::PipetteHover(TColor colour) {
    if (windows_ != nullptr) {
        windows_->FormInputColor->ShowHover(colour);
    }
}

void TFormLineora::PipettePicked() {
    if (windows_ != nullptr) {
        windows_->FormInputColor->TakeSample();
    }
}

// Window toggles ----------------------------------------------------------------------------

QWidget* TFormLineora::ToggleWindow(Toggle toggle) const {
    if (windows_ == nullptr) {
        return nullptr;
    }
    switch (toggle) {
    case ToggleTable:
        return windows_->FormTable.get();
    case ToggleText:
        return windows_->FormOutText.get();
    case ToggleZoom:
        return windows_->FormZoom.get();
    case ToggleInput:
        return windows_->FormInput.get();
    default:
        return nullptr;
    }
}

bool& TFormLineora::ToggleFlag(Toggle toggle) {
    switch (toggle) {
    case ToggleTable:
        return state_.Main.ShowTable;
    case ToggleText:
        return state_.Main.ShowText;
    case ToggleZoom:
        return state_.Main.ShowZoom;
    default:
        return state_.Main.ShowInput;
    }
}

QToolButton* TFormLineora::ToggleButton(Toggle toggle) const {
    switch (toggle) {
    case ToggleTable:
        return SpeedButtonShowTable;
    case ToggleText:
        return SpeedButtonViewText;
    case ToggleZoom:
        return SpeedButtonShowZoom;
    default:
        return SpeedButtonShowInput;
    }
}

void TFormLineora::SetToggle(Toggle toggle, bool down) {
    ToggleFlag(toggle) = down;
    ToggleButton(toggle)->setChecked(down);
    SyncToggleWindows(false);
}

// A tool window closed with its own close box releases its button, so that the button or the
// Show menu brings it back.
void TFormLineora::ToggleWindowClosed(Toggle toggle) {
    ToggleFlag(toggle) = false;
    toggleShown_[static_cast<std::size_t>(toggle)] = false;
    ToggleButton(toggle)->setChecked(false);
}

// A window is shown or hidden only when its flag changed.
void TFormLineora::SyncToggleWindows(bool force) {
    for (int index = 0; index < kToggleCount; ++index) {
        const auto toggle = static_cast<Toggle>(index);
        const bool down = ToggleFlag(toggle);
        if (!force && toggleShown_[static_cast<std::size_t>(index)] == down) {
            continue;
        }
        toggleShown_[static_cast<std::size_t>(index)] = down;
        if (QWidget* window = ToggleWindow(toggle)) {
            if (down) {
                ShowOnTop(window);
            } else {
                window->setWindowFlag(Qt::WindowStaysOnTopHint, false);
                window->close();
            }
        }
    }
}

void TFormLineora::ApplyWindowToggles() {
    for (int index = 0; index < kToggleCount; ++index) {
        const auto toggle = static_cast<Toggle>(index);
        ToggleButton(toggle)->setChecked(ToggleFlag(toggle));
    }
    SyncToggleWindows(true);
}

void TFormLineora::ApplyWindowPlacements() {
    const FormPlacements& forms = state_.Setup.Forms;
    move(forms.MainLeft, forms.MainTop);
    resize(forms.MainWidth, forms.MainHeight);
    if (windows_ == nullptr) {
        return;
    }
    windows_->FormZoom->move(forms.ZoomLeft, forms.ZoomTop);
    windows_->FormInput->move(forms.InputLeft, forms.InputTop);
    windows_->FormTable->setGeometry(forms.TableLeft, forms.TableTop, forms.TableWidth,
                                     forms.TableHeight);
    windows_->FormSetup->move(forms.SetupLeft, forms.SetupTop);
    windows_->FormOutText->move(forms.OutTextLeft, forms.OutTextTop);
}

void TFormLineora::CaptureWindowPlacements() {
    FormPlacements& forms = state_.Setup.Forms;
    forms.MainLeft = x();
    forms.MainTop = y();
    forms.MainWidth = width();
    forms.MainHeight = height();
    if (windows_ == nullptr) {
        return;
    }
    forms.ZoomLeft = windows_->FormZoom->x();
    forms.ZoomTop = windows_->FormZoom->y();
    forms.InputLeft = windows_->FormInput->x();
    forms.InputTop = windows_->FormInput->y();
    forms.TableLeft = windows_->FormTable->x();
    forms.TableTop = windows_->FormTable->y();
    forms.TableWidth = windows_->FormTable->width();
    forms.TableHeight = windows_->FormTable->height();
    forms.SetupLeft = windows_->FormSetup->x();
    forms.SetupTop = windows_->FormSetup->y();
    forms.OutTextLeft = windows_->FormOutText->x();
    forms.OutTextTop = windows_->FormOutText->y();
}

void TFormLineora::ShowOnTop(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
    window->raise();
}

// Events ------------------------------------------------------------------------------------

void TFormLineora::OnKey(Key key) {
    Guarded(host_, [&] { MainWindowKeyDown(state_, host_, *this, key); });
    ControlsChanged();
}

void TFormLineora::OnMouseDown(std::uint32_t shift, int x, int y) {
    Guarded(host_, [&] { PictureMouseDown(state_, host_, *this, shift, x, y); });
    ControlsChanged();
}

void TFormLineora::OnMouseMove(std::uint32_t shift, int x, int y) {
    Guarded(host_, [&] { PictureMouseMove(state_, host_, *this, shift, x, y); });
}

void TFormLineora::OnMouseUp() {
    Guarded(host_, [&] { PictureMouseUp(state_, *this); });
    ControlsChanged();
}

} // namespace lineora
