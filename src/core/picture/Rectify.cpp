#include "core/picture/Rectify.h"

#include "core/common/Errors.h"
#include "core/common/Rounding.h"
#include "core/picture/PixelAccess.h"
#include "core/picture/TwoThreadRows.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace lineora {

namespace {

constexpr QRgb kWhiteRgb = 0xFFFFFFFF;
// A corner whose sides turn by less than this sine counts as lying on a line: the warp through
// it would stretch a sliver over the whole picture.
constexpr double kFlatSine = 1e-6;
// No photographed chart needs a longer side; beyond it the size is a slip of the hand.
constexpr int kLongestSide = 1'000'000;
// Adding and taking away 1.5 * 2^52 rounds a double below 2^51 to a whole number, ties to
// even as RoundHalfEven does, without a library call; anything larger is off every picture.
constexpr double kRoundingBias = 6755399441055744.0;
constexpr int kBlockRows = 64;

double Cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

double Length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

void RefuseDegenerate(const Quad& ordered) {
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = i + 1; j < 4; ++j) {
            if (ordered[i] == ordered[j]) {
                throw CalcError("Two of the four corners are the same point");
            }
        }
    }
    bool flat = false;
    for (std::size_t i = 0; i < 4; ++i) {
        const QPointF in = ordered[(i + 1) % 4] - ordered[i];
        const QPointF out = ordered[(i + 2) % 4] - ordered[(i + 1) % 4];
        const double turn = Cross(in, out);
        if (turn < 0 && std::fabs(turn) > kFlatSine * Length(in) * Length(out)) {
            throw CalcError("One of the four corners lies inside the triangle of the other three");
        }
        flat = flat || turn <= kFlatSine * Length(in) * Length(out);
    }
    if (flat) {
        throw CalcError("Three of the four corners lie on one line");
    }
}

std::int32_t SideOf(double mean) {
    if (!(mean >= 1 && mean <= kLongestSide)) {
        throw CalcError("The rectangle of the four corners would be " + std::to_string(mean) +
                        " pixels long; a side takes 1 to " + std::to_string(kLongestSide));
    }
    return RoundHalfEven(mean);
}

// Where a frame of `length` starts in a result of `extent`: centred on `centre`, moved inside.
int FramePlace(double centre, int length, int extent) {
    const std::int64_t start = RoundHalfEven(centre - length / 2.0);
    return static_cast<int>(std::clamp<std::int64_t>(start, 0, extent - 1 - length));
}

QPolygonF Polygon(const Quad& quad) {
    return QPolygonF({quad[0], quad[1], quad[2], quad[3]});
}

// The same map with its homogeneous weight positive inside the frame, so that a weight of 0
// or less marks a position behind the camera, which shows white.
QTransform WithPositiveWeight(const QTransform& t, QPointF inside) {
    const double weight = t.m13() * inside.x() + t.m23() * inside.y() + t.m33();
    if (weight > 0) {
        return t;
    }
    return QTransform(-t.m11(), -t.m12(), -t.m13(), -t.m21(), -t.m22(), -t.m23(), -t.m31(),
                      -t.m32(), -t.m33());
}

// Result rows and the source they come from.
class Squarer {
public:
    Squarer(const QImage& source, const QTransform& map, QImage& target)
        : sourceBits_(source.constBits()), sourceStride_(source.bytesPerLine()),
          sourceWidth_(source.width()), sourceHeight_(source.height()), targetBits_(target.bits()),
          targetStride_(target.bytesPerLine()), targetWidth_(target.width()), map_(map) {
        const auto columns = static_cast<std::size_t>(targetWidth_);
        columnX_.resize(columns);
        columnY_.resize(columns);
        columnW_.resize(columns);
        for (std::size_t x = 0; x < columns; ++x) {
            columnX_[x] = map.m11() * static_cast<double>(x);
            columnY_[x] = map.m12() * static_cast<double>(x);
            columnW_[x] = map.m13() * static_cast<double>(x);
        }
    }

    void SquareRows(int top, int bottom) const {
        for (int y = top; y < bottom; ++y) {
            for (int left = 0; left < targetWidth_; left += kStripWidth) {
                SquareStrip(y, left, std::min(targetWidth_, left + kStripWidth));
            }
        }
    }

private:
    static constexpr int kStripWidth = 256;

    // Two passes over a strip of the row: the source pixel of each result pixel (-1 for white),
    // a loop without branches that the compiler turns into vector code, then the copying. The
    // homogeneous position is the row's plus the column's, so only the weight's inverse is a
    // division.
    void SquareStrip(int y, int left, int right) const {
        const double rowX = map_.m21() * y + map_.m31();
        const double rowY = map_.m22() * y + map_.m32();
        const double rowW = map_.m23() * y + map_.m33();
        const double width = sourceWidth_;
        const double height = sourceHeight_;
        std::array<std::int32_t, kStripWidth> fromX;
        std::array<std::int32_t, kStripWidth> fromY;
        const int count = right - left;
        const double* columnX = columnX_.data() + left;
        const double* columnY = columnY_.data() + left;
        const double* columnW = columnW_.data() + left;
        for (int i = 0; i < count; ++i) {
            const double weight = rowW + columnW[i];
            const double inverse = 1.0 / weight;
            const double wholeX = ((rowX + columnX[i]) * inverse + kRoundingBias) - kRoundingBias;
            const double wholeY = ((rowY + columnY[i]) * inverse + kRoundingBias) - kRoundingBias;
            // A weight of 0 or less lies behind the camera; NaN and infinities fail every test.
            // Every test is made (& rather than &&), which keeps the loop free of branches.
            const bool inside =
                (weight > 0) & (wholeX >= 0) & (wholeX < width) & (wholeY >= 0) & (wholeY < height);
            fromX[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(inside ? wholeX : -1.0);
            fromY[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(inside ? wholeY : 0.0);
        }
        auto* out = reinterpret_cast<QRgb*>(targetBits_ + y * targetStride_) + left;
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
            out[i] = fromX[i] < 0 ? kWhiteRgb
                                  : reinterpret_cast<const QRgb*>(
                                        sourceBits_ + fromY[i] * sourceStride_)[fromX[i]];
        }
    }

    const uchar* sourceBits_;
    qsizetype sourceStride_;
    int sourceWidth_, sourceHeight_;
    uchar* targetBits_;
    qsizetype targetStride_;
    int targetWidth_;
    QTransform map_;
    std::vector<double> columnX_, columnY_, columnW_;
};

} // namespace

Quad OrderCorners(const Quad& clicked) {
    for (const QPointF& corner : clicked) {
        if (!std::isfinite(corner.x()) || !std::isfinite(corner.y())) {
            throw CalcError("A corner is not a finite position");
        }
    }
    const QPointF centre = (clicked[0] + clicked[1] + clicked[2] + clicked[3]) / 4;
    std::array<double, 4> angle{};
    for (std::size_t i = 0; i < 4; ++i) {
        angle[i] = std::atan2(clicked[i].y() - centre.y(), clicked[i].x() - centre.x());
    }
    // Rising angles run clockwise on screen, where y grows downwards.
    std::array<std::size_t, 4> order{0, 1, 2, 3};
    std::stable_sort(order.begin(), order.end(),
                     [&angle](std::size_t a, std::size_t b) { return angle[a] < angle[b]; });
    // The corner nearest the picture's top-left corner starts the round.
    const auto sum = [&](std::size_t i) { return clicked[i].x() + clicked[i].y(); };
    const auto first = std::min_element(order.begin(), order.end(),
                                        [&](auto a, auto b) { return sum(a) < sum(b); });
    std::rotate(order.begin(), first, order.end());
    Quad ordered;
    for (std::size_t i = 0; i < 4; ++i) {
        ordered[i] = clicked[order[i]];
    }
    RefuseDegenerate(ordered);
    return ordered;
}

RectifyPlan PlanRectify(const Quad& clicked, int width, int height) {
    if (width <= 0 || height <= 0) {
        throw CalcError("There is no picture to rectify");
    }
    RectifyPlan plan;
    plan.Corners = OrderCorners(clicked);
    const Quad& q = plan.Corners;
    const std::int32_t frameWidth = SideOf((Length(q[1] - q[0]) + Length(q[2] - q[3])) / 2);
    const std::int32_t frameHeight = SideOf((Length(q[3] - q[0]) + Length(q[2] - q[1])) / 2);
    plan.Size = QSize(std::max(width, frameWidth + 1), std::max(height, frameHeight + 1));
    const QPointF centre = (q[0] + q[1] + q[2] + q[3]) / 4;
    const int left = FramePlace(centre.x(), frameWidth, plan.Size.width());
    const int top = FramePlace(centre.y(), frameHeight, plan.Size.height());
    plan.Frame = QRect(left, top, frameWidth, frameHeight);
    const Quad frame{QPointF(left, top), QPointF(left + frameWidth, top),
                     QPointF(left + frameWidth, top + frameHeight),
                     QPointF(left, top + frameHeight)};
    QTransform map;
    if (!QTransform::quadToQuad(Polygon(frame), Polygon(q), map)) {
        throw CalcError("The four corners give no projective map");
    }
    plan.ResultToSource =
        WithPositiveWeight(map, QPointF(left + frameWidth / 2.0, top + frameHeight / 2.0));
    return plan;
}

void RectifyPicture(const QImage& source, const RectifyPlan& plan, QImage& target,
                    const std::function<void(int row)>& progress) {
    if (target.size() != plan.Size || target.depth() != 32) {
        throw CalcError("The buffer for the rectified picture has the wrong size or format");
    }
    QImage holder;
    const QImage& source32 = pixels::As32Bit(source, holder);
    // Built here, so that target.bits() detaches a shared buffer before any thread writes.
    const Squarer squarer(source32, plan.ResultToSource, target);
    RunRowsInTwoThreads(
        plan.Size.height(), kBlockRows,
        [&squarer](int from, int to) { squarer.SquareRows(from, to); }, progress);
}

} // namespace lineora
