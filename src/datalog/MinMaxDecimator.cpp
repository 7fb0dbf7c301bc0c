#include "datalog/MinMaxDecimator.h"

#include <algorithm>
#include <cmath>

namespace tarvel::datalog {

void decimateMinMax(std::span<const double> t, std::span<const double> y, double from, double to,
                    std::size_t buckets, std::vector<ChartPoint>& out)
{
    out.clear();
    const std::size_t n = std::min(t.size(), y.size());
    if (n == 0 || !(to >= from))
        return;
    // First and one past the last index drawn, one point beyond each end.
    std::size_t first = static_cast<std::size_t>(std::lower_bound(t.begin(), t.begin() + n, from) - t.begin());
    std::size_t last = static_cast<std::size_t>(std::upper_bound(t.begin(), t.begin() + n, to) - t.begin());
    if (first > 0)
        --first;
    if (last < n)
        ++last;
    const std::size_t count = last - first;
    buckets = std::max<std::size_t>(buckets, 1);
    if (count <= 2 * buckets) {
        out.reserve(count);
        for (std::size_t i = first; i < last; ++i)
            out.push_back({t[i], y[i]});
        return;
    }
    out.reserve(2 * buckets + 2);
    const double width = to > from ? (to - from) / static_cast<double>(buckets) : 1;
    const auto bucketOf = [&](std::size_t i) {
        if (t[i] < from)
            return -1L;  // the point before the span: alone
        if (t[i] > to)
            return static_cast<long>(buckets);  // the point after it: alone
        return std::min(static_cast<long>((t[i] - from) / width), static_cast<long>(buckets) - 1);
    };
    std::size_t i = first;
    while (i < last) {
        const long bucket = bucketOf(i);
        std::size_t lo = i, hi = i, j = i + 1;
        for (; j < last && bucketOf(j) == bucket; ++j) {
            if (y[j] < y[lo])
                lo = j;
            if (y[j] > y[hi])
                hi = j;
        }
        const std::size_t a = std::min(lo, hi), b = std::max(lo, hi);
        out.push_back({t[a], y[a]});
        if (b != a)
            out.push_back({t[b], y[b]});
        i = j;
    }
}

}  // namespace tarvel::datalog
