#include "cli/ConsoleHost.h"

#include "cli/CommandLineArgs.h"

#include <QLocale>

namespace lineora {

void ConsoleHost::ShowMessage(const QString& text) {
    Complain(text);
}

bool ConsoleHost::AskYesNo(const QString& text) {
    Complain(text + QStringLiteral(" (answered No)"));
    return false;
}

Host::Answer ConsoleHost::AskYesNoCancel(const QString& text) {
    Complain(text + QStringLiteral(" (cancelled)"));
    return Answer::Cancel;
}

std::optional<QString> ConsoleHost::InputBox(const QString&, const QString&, const QString&) {
    return std::nullopt;
}

QString ConsoleHost::OpenFileName(const QString&, const QString&) {
    return {};
}

QString ConsoleHost::SaveFileName(const QString&, const QString&, const QString&) {
    return {};
}

std::optional<TColor> ConsoleHost::ChooseColor(TColor) {
    return std::nullopt;
}

void ConsoleHost::PutClipboardText(const QString&) {}

std::optional<QImage> ConsoleHost::ClipboardPicture() {
    return std::nullopt;
}

void ConsoleHost::BeginProgress(int) {}
void ConsoleHost::AdvanceProgress(int) {}
void ConsoleHost::EndProgress() {}

QChar ConsoleHost::SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

} // namespace lineora
