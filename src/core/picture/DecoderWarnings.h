#pragma once

#include <QStringList>

namespace lineora {

// Collects the warnings Qt's picture decoders print (libjpeg's "Corrupt JPEG data: premature
// end of data segment", Qt's allocation limit) while it lives, on the thread that made it:
// a decoder that warns and still returns a picture has made up the pixels it could not read.
// Messages of other threads and of other kinds go on to the handler that was there before,
// which is back in place once the last capture ends.
class DecoderWarnings {
public:
    DecoderWarnings();
    ~DecoderWarnings();
    DecoderWarnings(const DecoderWarnings&) = delete;
    DecoderWarnings& operator=(const DecoderWarnings&) = delete;

    QStringList Messages() const { return messages_; }

private:
    QStringList messages_;
    QStringList* outer_; // a capture already running on this thread
};

} // namespace lineora
