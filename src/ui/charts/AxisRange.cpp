#include "charts/AxisRange.h"

#include <algorithm>
#include <cmath>

namespace tarvel::ui {

int AxisRange::ticks() const
{
    return step > 0 ? static_cast<int>(std::lround((max - min) / step)) + 1 : 1;
}

AxisRange percentAxisRange(double lo, double hi)
{
    if (!std::isfinite(lo) || !std::isfinite(hi))
        return {};
    if (lo > hi)
        std::swap(lo, hi);
    lo = std::clamp(lo, 0.0, 100.0);
    hi = std::clamp(hi, 0.0, 100.0);
    // Too flat to read: ten points around the data, inside 0..100.
    constexpr double kLeast = 10;
    if (hi - lo < kLeast) {
        const double middle = (lo + hi) / 2;
        lo = std::clamp(middle - kLeast / 2, 0.0, 100.0 - kLeast);
        hi = lo + kLeast;
    }
    // The smallest step of 1-2-5 that needs at most six of them; every such
    // step divides 100, so the rounded ends stay within 0..100.
    double step = 20;
    for (const double s : {1.0, 2.0, 5.0, 10.0, 20.0}) {
        if ((hi - lo) / s <= 6) {
            step = s;
            break;
        }
    }
    AxisRange range;
    range.step = step;
    range.min = std::max(0.0, std::floor(lo / step + 1e-9) * step);
    range.max = std::min(100.0, std::ceil(hi / step - 1e-9) * step);
    return range;
}

}  // namespace tarvel::ui
