// Thins a long channel for drawing: the span of time shown is cut into as
// many buckets as the chart has columns of pixels, and each bucket keeps only
// its lowest and highest point, in the order they came. The line drawn
// through them looks the same as through every point, with a few thousand
// points instead of a hundred thousand.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace tarvel::datalog {

struct ChartPoint {
    double t = 0;
    double y = 0;
};

// `t` rises. The points between `from` and `to`, one point beyond either end
// so that the line reaches the edges; all of them when they are fewer than
// two per bucket. `out` is replaced.
void decimateMinMax(std::span<const double> t, std::span<const double> y, double from, double to,
                    std::size_t buckets, std::vector<ChartPoint>& out);

}  // namespace tarvel::datalog
