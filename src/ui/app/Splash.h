#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace lineora {

// Shown on top, centred, while the windows are created. It stays at least three seconds from
// its creation, with the events of every window processed meanwhile.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    inline static constexpr int kShowMs = 3000;

    // Without `wait` (tests) the splash closes as soon as startup reaches that step.
    SplashWindow(const QString& versionText, const QString& buildDateText, bool wait);

    // Processes events until the splash's time is up, then closes it.
    void WaitAndClose();
    bool TimerRunning() const { return timer_.isActive(); }

    QLabel* LabelCaption;
    QLabel* LabelTitle;
    QLabel* LabelVersion;
    QLabel* LabelDate;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
};

} // namespace lineora
