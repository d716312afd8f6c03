#pragma once

#include "core/common/Host.h"

namespace lineora {

// The host of the commands that run without a window: messages go to the error stream, every
// question is answered No and every dialog cancelled, so nothing is ever done unasked.
class ConsoleHost : public Host {
public:
    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                    const QString& defaultText) override;
    QString OpenFileName(const QString& filter, const QString& folder) override;
    QString SaveFileName(const QString& filter, const QString& folder,
                         const QString& proposedName) override;
    std::optional<TColor> ChooseColor(TColor initial) override;
    void PutClipboardText(const QString& text) override;
    std::optional<QImage> ClipboardPicture() override;
    void BeginProgress(int total) override;
    void AdvanceProgress(int done) override;
    void EndProgress() override;
    QChar SystemDecimalSeparator() override;
};

} // namespace lineora
