#include "core/commands/Commands.h"

#include "core/commands/UndoCommands.h"

#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/picture/Pictures.h"

namespace lineora {

namespace {

// The status bar panel that names where the picture came from.
constexpr int kPicturePanel = 2;

} // namespace

std::optional<QImage> ClipboardPreview(const State& state, Host& host) {
    std::optional<QImage> picture = host.ClipboardPicture();
    if (!picture) {
        host.ShowMessage(LoadMessage(state.Messages, MsgKey::NoClipboardPicture));
    }
    return picture;
}

void PastePicture(State& state, Host& host, Views& views, QImage picture) {
    if (picture.isNull()) {
        // Nothing to paste is no reason to lose the work on the current picture.
        host.ShowMessage(LoadMessage(state.Messages, MsgKey::NoClipboardPicture));
        return;
    }
    NameUserAction(state, MsgKey::StepPaste);
    LoadPicture(state.Pics, std::move(picture), QString::fromLatin1(kClipboardPicture));
    views.ShowStatus(kPicturePanel, LoadMessage(state.Messages, MsgKey::PastedFromClipboard));
    NewPictureDefaults(state, views);
    RedrawPicture(state, views);
    // The curves were emptied: the table and the text output must not keep the old points.
    RefreshTable(state, views);
}

} // namespace lineora
