#include "ui/photometry/ModeDialog.h"

#include "core/common/NumericKeyFilter.h"
#include "ui/FormControls.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace lineora {

TModeDialog::TModeDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void TModeDialog::ShowActive(bool active, const QWidget* beside) {
    if (active == isVisible()) {
        return;
    }
    if (!active) {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        hide();
        return;
    }
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (beside != nullptr) {
        // Right of the main window, inside the screen even when the main window fills it.
        const QRect main = beside->frameGeometry();
        QPoint at(main.right() + 1, main.top());
        if (const QScreen* screen = beside->screen()) {
            const QRect room = screen->availableGeometry();
            at.setX(
                std::max(room.left(), std::min(at.x(), room.right() + 1 - frameSize().width())));
        }
        move(at);
    }
    show();
    raise();
}

void TModeDialog::closeEvent(QCloseEvent* event) {
    // The dialog closes only with its mode, which the answer to the question decides.
    event->ignore();
    emit CloseAsked();
}

void TModeDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QToolButton* TModeDialog::MakePick(QWidget* parent, const char* name, const QString& caption,
                                   QRect place, const QString& hint) {
    auto* button = Named(new QToolButton(parent), name, place);
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    return button;
}

QLineEdit* TModeDialog::MakeField(QWidget* parent, const char* name, QRect place, MinusRule minus,
                                  std::function<void(const QString&)> edited,
                                  std::function<void()> entered) {
    auto* field = Named(new QLineEdit(parent), name, place);
    connect(field, &QLineEdit::textEdited, this, std::move(edited));
    FilterNumericKeys(field, minus, std::move(entered));
    return field;
}

void TModeDialog::OnUserToggle(QAbstractButton* button, std::function<void(bool)> action) {
    const bool radio = button->autoExclusive();
    connect(button, &QAbstractButton::toggled, this, [this, radio, action](bool checked) {
        // A radio button reports the choice it makes, not the one it leaves.
        if (!showing_ && (checked || !radio)) {
            action(checked);
        }
    });
}

} // namespace lineora
