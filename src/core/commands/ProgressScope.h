#pragma once

#include "core/commands/Views.h"
#include "core/common/Host.h"

#include <functional>

namespace lineora {

// Busy cursor and progress bar for the length of a pixel loop, taken down also when the loop
// throws.
class ProgressScope {
public:
    ProgressScope(Host& host, int total) : host_(host) { host_.BeginProgress(total); }
    ~ProgressScope() { host_.EndProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    // What the loop calls with its progress. With `repaint`, each report repaints the picture
    // first, so a result written into the shown picture grows on screen.
    std::function<void(int)> Reporter(Views* repaint = nullptr) {
        return [this, repaint](int done) {
            if (repaint != nullptr) {
                repaint->PictureChanged();
            }
            host_.AdvanceProgress(done);
        };
    }

private:
    Host& host_;
};

} // namespace lineora
