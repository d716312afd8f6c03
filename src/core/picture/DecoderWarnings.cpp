#include "core/picture/DecoderWarnings.h"

#include <QtGlobal>

#include <atomic>
#include <cstring>
#include <mutex>

namespace lineora {

namespace {

std::mutex installMutex;
int captures = 0; // captures alive on all threads; guarded by installMutex
std::atomic<QtMessageHandler> previousHandler{nullptr};
thread_local QStringList* threadCapture = nullptr;

// The decoders print through plain qWarning or Qt's image categories (libjpeg's messages,
// the allocation limit). Info messages (libpng's notes on harmless chunks) and other categories (a
// colour profile Qt does not understand) do not mean the pixels are damaged.
bool IsDecoderWarning(QtMsgType type, const QMessageLogContext& context) {
    if (type != QtWarningMsg && type != QtCriticalMsg) {
        return false;
    }
    const char* category = context.category == nullptr ? "default" : context.category;
    constexpr char kImageCategory[] = "qt.gui.imageio"; // and its ".jpeg" and so on
    return std::strcmp(category, "default") == 0 ||
           std::strncmp(category, kImageCategory, sizeof kImageCategory - 1) == 0;
}

void Capture(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (threadCapture != nullptr && IsDecoderWarning(type, context)) {
        threadCapture->append(message);
        return;
    }
    if (const QtMessageHandler previous = previousHandler.load()) {
        previous(type, context, message);
    }
}

} // namespace

DecoderWarnings::DecoderWarnings() : outer_(threadCapture) {
    {
        const std::lock_guard lock(installMutex);
        if (captures++ == 0) {
            previousHandler.store(qInstallMessageHandler(Capture));
        }
    }
    threadCapture = &messages_;
}

DecoderWarnings::~DecoderWarnings() {
    threadCapture = outer_;
    const std::lock_guard lock(installMutex);
    if (--captures == 0) {
        qInstallMessageHandler(previousHandler.load());
    }
}

} // namespace lineora
