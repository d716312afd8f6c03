// The main window's construction, its size and the layout of its client area, and closing.

#include "ui/app/FormLineora.h"

#include "core/commands/Commands.h"
#include "core/commands/UndoCommands.h"
#include "core/commands/WorkFileCommands.h"
#include "core/common/ErrorBoundary.h"
#include "ui/app/FileDrop.h"
#include "ui/app/Glyphs.h"
#include "ui/app/KeyPreFilter.h"
#include "ui/app/PictureView.h"
#include "ui/app/Translation.h"
#include "ui/app/Windows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScrollArea>

namespace lineora {

TFormLineora::TFormLineora(State& state, Host& host, QWidget* parent)
    : QMainWindow(parent), state_(state), host_(host) {
    setObjectName(QStringLiteral("FormLineora"));
    setWindowTitle(caption_);
    setWindowIcon(GlyphIcon(Glyph::Program));
    setCentralWidget(new QWidget(this));
    centralWidget()->setObjectName(QStringLiteral("ClientArea"));
    centralWidget()->installEventFilter(this);

    BuildToolbar();
    BuildPictureBox();
    BuildStatusBar();
    BuildMainMenu();
    BuildPopupMenus();
    WireMainMenu();
    WirePopupMenus();

    connect(imgGrafik, &PictureView::MouseDown, this, &TFormLineora::OnMouseDown);
    connect(imgGrafik, &PictureView::MouseMove, this, &TFormLineora::OnMouseMove);
    connect(imgGrafik, &PictureView::MouseUp, this, &TFormLineora::OnMouseUp);

    setAcceptDrops(true);
    installEventFilter(new FileDrop(
        [this](const QList<QUrl>& urls) {
            Command([this, &urls] { OpenWorkFile(state_, host_, *this, DroppedWorkFile(urls)); });
        },
        this));

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
    WireStripWindows();
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

void TFormLineora::Command(const std::function<void()>& action) {
    RunUserAction(state_, host_, action);
    ControlsChanged();
}

void TFormLineora::OnTrigger(QAction* action, const std::function<void()>& command) {
    connect(action, &QAction::triggered, this, [this, command] { Command(command); });
}

} // namespace lineora
