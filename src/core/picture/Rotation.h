#pragma once

#include <QImage>

#include <cstdint>
#include <functional>

namespace lineora {

// The bounding box of a picture turned about its top-left corner so that an axis at angle
// theta becomes horizontal, and where the picture's origin lies in it: the frame pixel (x, y)
// sits at (B + x, A + y) relative to the source's top-left corner. A is 0 for a positive
// angle and B for a negative one; the other is the (negative) overhang of the turned corner.
struct RotatedFrame {
    std::int32_t Width = 0, Height = 0, A = 0, B = 0;
};

// The frame of a width x height picture for theta in radians, counter-clockwise as seen on
// screen. Angles beyond a quarter turn either way (an X axis pointing left) have no sensible
// box and throw CalcError, as does a box too large for int32.
RotatedFrame RotatedFrameOf(std::int32_t width, std::int32_t height, double theta);

// Fills `target` (frame.Width x frame.Height, 32 bits per pixel, allocated by the caller so
// that a buffer of the right size can be reused) with `source` turned by -theta: the target
// pixel (x, y) takes the source pixel at polar radius r and angle alpha - theta, where r and
// alpha are those of (B + x, A + y), each coordinate rounded half to even. Positions off the
// source become white. Rows are shared between two threads; `progress` gets the rows done so
// far, a few times in all, always from the calling thread and while no row is being written,
// so it may repaint `target`.
void RotatePicture(const QImage& source, double theta, const RotatedFrame& frame, QImage& target,
                   const std::function<void(int row)>& progress = {});

} // namespace lineora
