#pragma once
// Helpers the windows share to place their controls; only windows include this.

#include <QGroupBox>
#include <QLabel>
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

} // namespace lineora
