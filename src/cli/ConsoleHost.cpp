#include "cli/ConsoleHost.h"

#include "cli/CommandLineArgs.h"

#include <QLocale>

namespace lineora {

namespace {

bool WriteTo(std::FILE* stream, const QByteArray& bytes) {
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stream) == size;
}

} // namespace

bool ConsoleHost::Print(const QByteArray& bytes) {
    const bool written = WriteTo(out_, bytes);
    return std::fflush(out_) == 0 && written;
}

void ConsoleHost::PrintError(const QByteArray& bytes) {
    WriteTo(err_, bytes);
}

void ConsoleHost::Complain(const QString& text) {
    PrintError((QStringLiteral("lineora: ") + text + QLatin1Char('\n')).toUtf8());
}

int ConsoleHost::ComplainOfUsage(const UsageError& error) {
    Complain(QString::fromUtf8(error.what()) + QStringLiteral("\nTry \"lineora --help\"."));
    return kExitBadArguments;
}

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
