#include "ui/app/Translation.h"

#include "core/common/Messages.h"
#include "core/config/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>

namespace lineora {

namespace {

// Stands for "no such key" in memo lines, where an empty value is meaningful.
const QString kNoLine = QStringLiteral("fsdef");

void SetCaption(QObject& object, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(&object)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(&object)) {
        group->setTitle(text);
    } else if (auto* menu = qobject_cast<QMenu*>(&object)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(&object)) {
        action->setText(text);
    }
}

void SetHint(QObject& object, const QString& text) {
    if (auto* widget = qobject_cast<QWidget*>(&object)) {
        widget->setToolTip(text);
    } else if (auto* action = qobject_cast<QAction*>(&object)) {
        action->setToolTip(text);
    }
}

void TranslateLines(QPlainTextEdit& memo, const QString& prefix, const IniFile& file,
                    const QString& section) {
    QStringList lines = memo.toPlainText().split(QLatin1Char('\n'));
    bool changed = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text =
            file.Value(section, prefix + QStringLiteral(".lines[%1]").arg(i), kNoLine);
        if (text != kNoLine) {
            lines[i] = text;
            changed = true;
        }
    }
    if (changed) {
        memo.setPlainText(lines.join(QLatin1Char('\n')));
    }
}

template <typename SetItem>
void TranslateItems(int count, const QString& prefix, const IniFile& file, const QString& section,
                    SetItem setItem) {
    for (int i = 0; i < count; ++i) {
        const QString text = file.Value(section, prefix + QStringLiteral(".items[%1]").arg(i));
        if (!text.isEmpty()) {
            setItem(i, text);
        }
    }
}

void TranslateControl(QObject& control, const QString& windowName, const IniFile& file) {
    const QString prefix = windowName + QLatin1Char('.') + control.objectName();
    const QString caption = file.Value(windowName, prefix + QStringLiteral(".Caption"));
    if (!caption.isEmpty()) {
        SetCaption(control, caption);
    }
    const QString hint = file.Value(windowName, prefix + QStringLiteral(".Hint"));
    if (!hint.isEmpty()) {
        SetHint(control, hint);
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(&control)) {
        TranslateLines(*memo, prefix, file, windowName);
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        TranslateItems(combo->count(), prefix, file, windowName,
                       [combo](int i, const QString& text) { combo->setItemText(i, text); });
    } else if (auto* list = qobject_cast<QListWidget*>(&control)) {
        TranslateItems(list->count(), prefix, file, windowName,
                       [list](int i, const QString& text) { list->item(i)->setText(text); });
    }
}

} // namespace

void TranslateForm(QWidget& window, const IniFile& languageFile) {
    const QString windowName = window.objectName();
    const QString caption = languageFile.Value(windowName, windowName + QStringLiteral(".Caption"));
    if (!caption.isEmpty()) {
        window.setWindowTitle(caption);
    }
    // findChildren walks the tree depth first in creation order.
    for (QObject* control : window.findChildren<QObject*>()) {
        if (!control->objectName().isEmpty()) {
            TranslateControl(*control, windowName, languageFile);
        }
    }
}

void ApplyLanguage(State& state, const QString& appDir, const QList<QWidget*>& windows) {
    const std::optional<LanguageChoice> choice = ChosenLanguage(state.Setup);
    if (!choice) {
        return;
    }
    state.Main.HelpFileName = choice->HelpFileName;
    const std::optional<IniFile> file = OpenLanguageFile(appDir, choice->LanguageFileName);
    if (!file) {
        return;
    }
    for (QWidget* window : windows) {
        TranslateForm(*window, *file);
    }
    ApplyMessages(*file, state.Messages);
}

} // namespace lineora
