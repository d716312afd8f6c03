#pragma once

#include "core/common/Host.h"

namespace lineora::bench {

// A host that stays silent and agrees: benchmarks measure the work, never a dialog.
class BenchHost : public Host {
public:
    explicit BenchHost(Answer threeWay = Answer::No) : threeWay_(threeWay) {}
    void ShowMessage(const QString&) override {}
    bool AskYesNo(const QString&) override { return true; }
    Answer AskYesNoCancel(const QString&) override { return threeWay_; }
    std::optional<QString> InputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString OpenFileName(const QString&, const QString&) override { return {}; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    void PutClipboardText(const QString&) override {}
    std::optional<QImage> ClipboardPicture() override { return std::nullopt; }
    void BeginProgress(int) override {}
    void AdvanceProgress(int) override {}
    void EndProgress() override {}
    QChar SystemDecimalSeparator() override { return QLatin1Char('.'); }

private:
    Answer threeWay_;
};

} // namespace lineora::bench
