#include "link/OperatingPoint.h"

namespace tarvel::link {

namespace {
// The first index from `from` to 9 whose value is above v, then the nearer of
// it and its left neighbour; 9 when none is above.
int nearestFrom(std::span<const std::uint8_t, 10> x, int v, int from, bool* stoppedAtFirst)
{
    if (stoppedAtFirst)
        *stoppedAtFirst = false;
    for (int i = from; i < 10; ++i) {
        if (x[static_cast<std::size_t>(i)] > v) {
            if (i == 0) {
                if (stoppedAtFirst)
                    *stoppedAtFirst = true;
                return 0;
            }
            return x[static_cast<std::size_t>(i - 1)] + x[static_cast<std::size_t>(i)] >= 2 * v ? i - 1 : i;
        }
    }
    return 9;
}
}  // namespace

int nearestColumn(std::span<const std::uint8_t, 10> axis, int v, bool* belowFirst)
{
    return nearestFrom(axis, v, 0, belowFirst);
}

OperatingPoint computeOperatingPoint(const ParamImage& image, std::uint16_t liveRpm, std::uint8_t liveTpsPercent,
                                     bool tpsMapChecked)
{
    const int r = (liveRpm / 100) % 256;
    auto axis = [&](int at) { return std::span<const std::uint8_t, 10>(image.bytes.data() + at, 10); };
    OperatingPoint op;
    bool below = false;
    op.opRpmColumn = static_cast<std::uint8_t>(nearestColumn(axis(fld::mapRpm), r, &below));
    op.opBelowMap = below;
    op.opServoColumn = static_cast<std::uint8_t>(nearestColumn(axis(fld::servoRpm), r));
    op.opTpsRow = tpsMapChecked ? static_cast<std::uint8_t>(nearestFrom(kTpsBreakpoints, liveTpsPercent, 1, nullptr))
                                : std::uint8_t{9};
    return op;
}

}  // namespace tarvel::link
