#pragma once

#include "common/Host.h"

#include <QStringList>

#include <deque>

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
    bool AskYesNo(const QString& text) override { return Next(text) == Answer::Yes; }
    Answer AskYesNoCancel(const QString& text) override { return Next(text); }
    std::optional<QString> InputBox(const QString&, const QString& prompt,
                                    const QString&) override {
        Shown << prompt;
        if (Inputs.empty()) {
            return std::nullopt;
        }
        auto input = Inputs.front();
        Inputs.pop_front();
        return input;
    }
    QString OpenFileName(const QString&, const QString&) override { return NextFile(); }
    QString SaveFileName(const QString&, const QString&, const QString&) override {
        return NextFile();
    }
    std::optional<TColor> ChooseColor(TColor) override {
        if (Colors.empty()) {
            return std::nullopt;
        }
        auto color = Colors.front();
        Colors.pop_front();
        return color;
    }
    void PutClipboardText(const QString& text) override { ClipboardText = text; }
    std::optional<QImage> ClipboardPicture() override { return Clipboard; }
    void BeginProgress(int) override { ProgressOpen = true; }
    void AdvanceProgress(int) override { ++ProgressCalls; }
    void EndProgress() override { ProgressOpen = false; }
    QChar SystemDecimalSeparator() override { return Separator; }

private:
    Answer Next(const QString& text) {
        Shown << text;
        if (Answers.empty()) {
            return Answer::Cancel;
        }
        const Answer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    QString NextFile() {
        if (FileNames.empty()) {
            return {};
        }
        QString name = FileNames.front();
        FileNames.pop_front();
        return name;
    }
};

} // namespace lineora::test
