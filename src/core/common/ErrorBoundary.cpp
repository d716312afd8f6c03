#include "core/common/ErrorBoundary.h"

#include <QString>

#include <exception>

namespace lineora {

namespace {

void Report(Host& host, const QString& text) noexcept {
    try {
        host.ShowMessage(text);
    } catch (...) {
        // Nothing is left that could show it; the event is abandoned either way.
    }
}

} // namespace

bool Guarded(Host& host, const std::function<void()>& action) noexcept {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        Report(host, QString::fromUtf8(error.what()));
    } catch (...) {
        Report(host, QStringLiteral("Unexpected error"));
    }
    return false;
}

} // namespace lineora
