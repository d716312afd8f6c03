// The status bar: six panels as wide as their widest texts, and the progress bar over its end.

#include "ui/app/FormLineora.h"

#include "core/commands/StatusBar.h"

#include <QLabel>
#include <QProgressBar>

namespace lineora {

namespace {

// The last panel shows nothing; it only closes the row.
constexpr int kSparePanelWidth = 50;

// As wide as the widest text the panel shows, frame and indent included.
int PanelWidth(QLabel* label, int panel) {
    const QString widest = WidestStatusText(panel);
    if (widest.isEmpty()) {
        return kSparePanelWidth;
    }
    label->setText(widest);
    const int width = label->sizeHint().width();
    label->clear();
    return width;
}

} // namespace

void TFormLineora::BuildStatusBar() {
    StatusBar1 = new QWidget(centralWidget());
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    int left = 0;
    for (std::size_t panel = 0; panel < StatusPanels.size(); ++panel) {
        auto* label = new QLabel(StatusBar1);
        label->setObjectName(QStringLiteral("StatusBar1.Panel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        QFont font = label->font();
        font.setPixelSize(11);
        label->setFont(font);
        const int width = PanelWidth(label, static_cast<int>(panel));
        label->setGeometry(left, 0, width, kStatusHeight);
        StatusPanels[panel] = label;
        left += width;
    }
    ProgressBar1 = new QProgressBar(centralWidget());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1500);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
}

void TFormLineora::ShowStatus(int panel, const QString& text) {
    if (panel >= 0 && panel < static_cast<int>(StatusPanels.size())) {
        StatusPanels[static_cast<std::size_t>(panel)]->setText(text);
    }
}

} // namespace lineora
