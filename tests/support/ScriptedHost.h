#pragma once

#include "core/common/Host.h"

#include <QStringList>

#include <deque>
#include <utility>

namespace lineora::test {

// A Host that answers from queues and records every text it was shown. An empty queue
// answers No / Cancel / nothing, so a test that forgets to script a question sees it refused.
class ScriptedHost : public Host {
public:
    std::deque<Answer> Answers;
    std::deque<std::optional<QString>> Inputs;
    std::deque<QString> FileNames;
    std::deque<std::optional<TColor>> Colors;
    std::optional<QImage> Clipboard;
    QChar Separator = QLatin1Char('.');

    QStringList Shown; // every information, question and prompt text, in order
    QString ClipboardText;
    int ProgressCalls = 0;
    bool ProgressOpen = false;

    void ShowMessage(const QString& text) override { Shown << text; }
    bool AskYesNo(const QString& text) override {
        Shown << text;
        return Pop(Answers, Answer::Cancel) == Answer::Yes;
    }
    Answer AskYesNoCancel(const QString& text) override {
        Shown << text;
        return Pop(Answers, Answer::Cancel);
    }
    // Answered Yes means OK; the caption is recorded before the text.
    bool AskOkCancel(const QString& caption, const QString& text) override {
        Shown << caption << text;
        return Pop(Answers, Answer::Cancel) == Answer::Yes;
    }
    std::optional<QString> InputBox(const QString&, const QString& prompt,
                                    const QString&) override {
        Shown << prompt;
        return Pop(Inputs, {});
    }
    QString OpenFileName(const QString&, const QString&) override { return Pop(FileNames, {}); }
    QString SaveFileName(const QString&, const QString&, const QString&) override {
        return Pop(FileNames, {});
    }
    std::optional<TColor> ChooseColor(TColor) override { return Pop(Colors, {}); }
    void PutClipboardText(const QString& text) override { ClipboardText = text; }
    std::optional<QImage> ClipboardPicture() override { return Clipboard; }
    void BeginProgress(int) override { ProgressOpen = true; }
    void AdvanceProgress(int) override { ++ProgressCalls; }
    void EndProgress() override { ProgressOpen = false; }
    QChar SystemDecimalSeparator() override { return Separator; }

private:
    template <class T> static T Pop(std::deque<T>& queue, T none) {
        if (queue.empty()) {
            return none;
        }
        // Into `none`, which is surely set: GCC's optimiser takes a freshly moved-to optional
        // for possibly unset and warns.
        none = std::move(queue.front());
        queue.pop_front();
        return none;
    }
};

} // namespace lineora::test
