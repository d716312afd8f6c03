#pragma once

#include "core/common/Host.h"

#include <QElapsedTimer>
#include <QPointer>

class QProgressBar;
class QWidget;

namespace lineora {

// Host for the running program: Qt's standard dialogs, the clipboard, the main window's
// progress bar and the busy cursor.
class QtHost : public Host {
public:
    // Dialogs open over `window`; progress shows in `progress`. Both may be set later (the
    // main window is created after the host) and may stay empty.
    void SetWindow(QWidget* window, QProgressBar* progress);

    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    SaveChoice AskSaveChanges(const QString& text) override;
    bool AskOkCancel(const QString& caption, const QString& text) override;
    std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                    const QString& defaultText) override;
    QString OpenFileName(const QString& filter, const QString& folder) override;
    QString SaveFileName(const QString& filter, const QString& folder,
                         const QString& proposedName) override;
    QString SaveFileNameOfType(const QString& filter, const QString& folder,
                               const QString& proposedName, QString& chosenFilter) override;
    QString SaveFileNameUnconfirmed(const QString& filter, const QString& folder,
                                    const QString& proposedName) override;
    std::optional<TColor> ChooseColor(TColor initial) override;
    void PutClipboardText(const QString& text) override;
    std::optional<QImage> ClipboardPicture() override;
    void BeginProgress(int total) override;
    void AdvanceProgress(int done) override;
    void EndProgress() override;
    QChar SystemDecimalSeparator() override;

private:
    QPointer<QWidget> window_;
    QPointer<QProgressBar> progress_;
    QElapsedTimer sinceRepaint_;
    bool busy_ = false;
};

// File dialog filters are given as "Bitmaps (*.bmp)|*.bmp" pairs; Qt wants "Bitmaps (*.bmp)"
// entries separated by ";;". A filter without "|" is taken as Qt's already.
QString QtFileFilter(const QString& filter);

} // namespace lineora
