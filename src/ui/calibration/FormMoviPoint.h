#pragma once

#include <QDialog>

class QPushButton;

namespace lineora {

struct State;
class Host;
class Views;

// The nudge window: moves the selected point one picture pixel per button press. However it
// is closed (OK, Escape), the nudge ends with the point deselected and its values recomputed.
class TFormMoviPoint : public QDialog {
    Q_OBJECT
public:
    explicit TFormMoviPoint(QWidget* parent = nullptr);

    // The records the buttons work on; until attached the buttons only close the window.
    void Attach(State& state, Host& host, Views& views);

    void done(int result) override;

    QPushButton* BitBtnUp;
    QPushButton* BitBtnDown;
    QPushButton* BitBtnLeft;
    QPushButton* BitBtnRight;
    QPushButton* BitBtnClose;

private:
    void Nudge(int dx, int dy);

    State* state_ = nullptr;
    Host* host_ = nullptr;
    Views* views_ = nullptr;
};

} // namespace lineora
