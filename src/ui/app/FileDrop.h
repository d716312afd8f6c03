#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>

namespace lineora {

// Files dropped on the window it watches (which must accept drops). Any drag of file names is
// taken, so that a drop the program cannot open is answered with a message rather than a
// silent refusal; the names reach `dropped` after the drop has ended, so a message box shown
// then does not hold up the program the files came from.
class FileDrop : public QObject {
    Q_OBJECT
public:
    FileDrop(std::function<void(const QList<QUrl>&)> dropped, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QList<QUrl>&)> dropped_;
};

} // namespace lineora
