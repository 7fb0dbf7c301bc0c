// The span and tick step of a chart's value axis, worked out without Qt so
// that it can be checked on its own.
#pragma once

namespace tarvel::ui {

struct AxisRange {
    double min = 0;
    double max = 100;
    double step = 20;  // between ticks, from min

    int ticks() const;  // including both ends
};

// A percentage axis: the data's range [lo, hi] widened to whole steps of
// 1, 2, 5, 10 or 20 (about five of them), never beyond 0..100. A flat or
// empty range gets ten points around it.
AxisRange percentAxisRange(double lo, double hi);

}  // namespace tarvel::ui
