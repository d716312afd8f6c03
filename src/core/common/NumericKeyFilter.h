#pragma once

#include "core/common/NumberText.h"

#include <QChar>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

namespace lineora {

// Where a field lets a minus sign in.
enum class MinusRule { Refused, WhileEmpty, Anywhere };

// What becomes of one typed character in a numeric field.
struct NumericKey {
    enum class Verdict {
        Insert, // `character` goes into the field in place of the typed one
        Erase,  // Backspace: the field deletes as usual
        Enter,  // applies the field; nothing is inserted
        Refuse, // the character is dropped
    };
    Verdict verdict = Verdict::Refuse;
    QChar character;
};

// Numeric fields accept only what can grow into a number: digits, one decimal separator (a
// typed "," or "." becomes `separator`, so either key types the system's), a minus sign as
// `minus` allows, Backspace and Enter. `remainingText` is the field's text without the
// selection the character replaces, so "-" over a fully selected field is accepted.
NumericKey FilterNumericKey(const QString& remainingText, QChar typed, MinusRule minus,
                            QChar separator = DecimalChar());

// Puts FilterNumericKey in front of a line edit's typing; Enter calls `onEnter`. Keys that type
// no character (arrows, Delete, Home) and Ctrl shortcuts reach the edit untouched. A template so
// that this layer stays free of widgets: the windows instantiate it with QLineEdit. The filter is
// owned by the edit.
template <typename LineEdit> class NumericFieldFilter : public QObject {
public:
    NumericFieldFilter(LineEdit* edit, MinusRule minus, std::function<void()> onEnter)
        : QObject(edit), edit_(edit), minus_(minus), onEnter_(std::move(onEnter)) {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        // Shortcuts (select all, copy, paste, undo) are the edit's; what a paste brings in is
        // checked as a number where the field is read, like any text.
        if (!enter && (key.text().isEmpty() || key.key() == Qt::Key_Delete ||
                       key.modifiers().testFlag(Qt::ControlModifier))) {
            return false;
        }
        const QChar typed = enter ? QChar(u'\r') : key.text().front();
        QString remaining = edit_->text();
        if (edit_->hasSelectedText()) {
            remaining.remove(edit_->selectionStart(), edit_->selectedText().size());
        }
        const NumericKey verdict = FilterNumericKey(remaining, typed, minus_);
        switch (verdict.verdict) {
        case NumericKey::Verdict::Insert:
            edit_->insert(QString(verdict.character));
            return true;
        case NumericKey::Verdict::Erase:
            return false;
        case NumericKey::Verdict::Enter:
            if (onEnter_) {
                onEnter_();
            }
            return true;
        case NumericKey::Verdict::Refuse:
            break;
        }
        return true;
    }

private:
    LineEdit* edit_;
    MinusRule minus_;
    std::function<void()> onEnter_;
};

// Installs the filter on `edit`.
template <typename LineEdit>
void FilterNumericKeys(LineEdit* edit, MinusRule minus, std::function<void()> onEnter = {}) {
    new NumericFieldFilter<LineEdit>(edit, minus, std::move(onEnter));
}

} // namespace lineora
