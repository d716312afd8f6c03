#pragma once

#include <QWidget>

namespace lineora {

// The hidden holder window. The clean copy of the picture it once held lives in the Pictures
// record now; the window stays so that the window set and its order are complete.
class TFormVariable : public QWidget {
    Q_OBJECT
public:
    explicit TFormVariable(QWidget* parent = nullptr);
};

} // namespace lineora
