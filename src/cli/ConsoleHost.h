#pragma once

#include "core/common/Host.h"

#include <QByteArray>

#include <cstdio>

namespace lineora {

class UsageError;

// The host of the commands that run without a window: messages go to the error stream, every
// question is answered No and every dialog cancelled, so nothing is ever done unasked. The
// streams are given so that the output can be read where the forms are run in-process.
class ConsoleHost : public Host {
public:
    explicit ConsoleHost(std::FILE* out = stdout, std::FILE* err = stderr) : out_(out), err_(err) {}

    // Bytes on the output stream; false when they could not all be written.
    bool Print(const QByteArray& bytes);
    void PrintError(const QByteArray& bytes);
    // "lineora: " + text on the error stream.
    void Complain(const QString& text);
    // A usage error with the pointer to --help; gives kExitBadArguments.
    int ComplainOfUsage(const UsageError& error);

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

private:
    std::FILE* out_;
    std::FILE* err_;
};

} // namespace lineora
