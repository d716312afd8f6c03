#include "ui/app/Splash.h"

#include "ui/app/Glyphs.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace lineora {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect place,
                  int pixelSize, bool bold) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

SplashWindow::SplashWindow(const QString& versionText, const QString& buildDateText, bool wait)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FormSplash"));
    setFixedSize(360, 180);
    LabelCaption =
        MakeLabel(this, "LabelCaption", QStringLiteral("Lineora"), {96, 26, 250, 40}, 30, true);
    LabelTitle = MakeLabel(this, "LabelTitle", QStringLiteral("Graph digitizer"), {98, 68, 250, 22},
                           14, false);
    LabelVersion = MakeLabel(this, "LabelVersion", versionText, {98, 110, 120, 20}, 13, true);
    LabelDate = MakeLabel(this, "LabelDate", buildDateText, {98, 132, 160, 20}, 12, false);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
    timer_.setSingleShot(true);
    if (wait) {
        timer_.start(kShowMs);
    }
}

void SplashWindow::WaitAndClose() {
    if (timer_.isActive()) {
        QEventLoop loop;
        connect(&timer_, &QTimer::timeout, &loop, &QEventLoop::quit);
        loop.exec();
    }
    close();
}

void SplashWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(250, 250, 252));
    painter.setPen(QPen(QColor(35, 85, 205), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
    painter.drawPixmap(QRect(24, 30, 56, 56), DrawGlyph(Glyph::Program, 56));
}

} // namespace lineora
