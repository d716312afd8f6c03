#pragma once
// Helpers the windows share to place their controls; only windows include this.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace lineora {

// `control` with its object name (the name the translation and the tests look it up by) and
// its place in the window.
template <typename Control> Control* Named(Control* control, const char* name, QRect place) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

// A push button that never becomes the default: these windows are used with the mouse, and a
// default button would let Enter press whichever button was clicked last.
inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                               QRect place) {
    auto* button = Named(new QPushButton(caption, parent), name, place);
    button->setAutoDefault(false);
    return button;
}

inline QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect place) {
    return Named(new QLabel(caption, parent), name, place);
}

inline QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect place) {
    return Named(new QGroupBox(title, parent), name, place);
}

// A field or check shows a value of the state without rewriting what already shows it: an
// unchanged text rewritten would move the caret of a field being typed in.
inline void ShowText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
    }
}

inline void ShowChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked) {
        return;
    }
    // A radio button of a group with one checked cannot be unchecked on its own; a state that
    // checks none of a group is shown as it is.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

} // namespace lineora
