#pragma once

#include "core/common/Types.h"

#include <QChar>
#include <QImage>
#include <QString>

#include <optional>

namespace lineora {

// The only way logic reaches the user or the desktop. The program implements it with Qt
// dialogs; tests implement it with a scripted fake that answers from a queue and records
// every text it was shown.
class Host {
public:
    enum class Answer { Yes, No, Cancel };
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~Host() = default;

    // Information box with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // Confirmation with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    virtual Answer AskYesNoCancel(const QString& text) = 0;
    // Warning with OK and Cancel under its own caption; true for OK. A host without such a
    // box asks Yes or No instead.
    virtual bool AskOkCancel(const QString& caption, const QString& text) {
        (void)caption;
        return AskYesNo(text);
    }
    // Unsaved work is about to go: Save, Discard or Cancel. A host without such a box asks
    // Yes (save), No (discard) or Cancel.
    virtual SaveChoice AskSaveChanges(const QString& text) {
        switch (AskYesNoCancel(text)) {
        case Answer::Yes:
            return SaveChoice::Save;
        case Answer::No:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
        }
    }
    // The typed text, or nothing when the user cancelled.
    virtual std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                            const QString& defaultText) = 0;

    // A file name, or an empty string when the user cancelled.
    virtual QString OpenFileName(const QString& filter, const QString& folder) = 0;
    virtual QString SaveFileName(const QString& filter, const QString& folder,
                                 const QString& proposedName) = 0;
    // A save dialog offering several file types (filters joined by ";;"): `chosenFilter`
    // receives the type the user left chosen. A host without types leaves it empty.
    virtual QString SaveFileNameOfType(const QString& filter, const QString& folder,
                                       const QString& proposedName, QString& chosenFilter) {
        chosenFilter.clear();
        return SaveFileName(filter, folder, proposedName);
    }
    // For a command that asks its own overwrite question: the dialog must not ask one first.
    virtual QString SaveFileNameUnconfirmed(const QString& filter, const QString& folder,
                                            const QString& proposedName) {
        return SaveFileName(filter, folder, proposedName);
    }
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;

    virtual void PutClipboardText(const QString& text) = 0;
    // The picture on the clipboard, or nothing when it holds none.
    virtual std::optional<QImage> ClipboardPicture() = 0;

    // Long pixel loops: busy cursor and progress. Advance may also let the window repaint, so
    // loops call it a few times a second, never per row.
    virtual void BeginProgress(int total) = 0;
    virtual void AdvanceProgress(int done) = 0;
    virtual void EndProgress() = 0;

    virtual QChar SystemDecimalSeparator() = 0;
};

} // namespace lineora
