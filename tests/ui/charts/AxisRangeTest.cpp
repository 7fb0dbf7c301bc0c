// The span of a percentage axis: the data's range on whole ticks, inside 0..100.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "charts/AxisRange.h"

using tarvel::ui::AxisRange;
using tarvel::ui::percentAxisRange;

TEST(PercentAxisRange, DataRangeOnNiceTicksWithinZeroToHundred)
{
    struct Case {
        double lo, hi;
        AxisRange want;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    const Case cases[] = {
        {0, 100, {0, 100, 20}},
        {3, 97, {0, 100, 20}},
        {12, 37, {10, 40, 5}},
        {22, 58, {20, 60, 10}},
        {0, 61, {0, 80, 20}},
        {40, 45, {36, 48, 2}},      // flat: ten points around it
        {0, 0, {0, 10, 2}},         // a channel that stays at 0
        {100, 100, {90, 100, 2}},   // or at the top
        {-20, 130, {0, 100, 20}},   // data out of range does not widen the axis
        {60, 20, {20, 60, 10}},
        {nan, nan, {0, 100, 20}},   // no data
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lo << ".." << c.hi);
        const AxisRange r = percentAxisRange(c.lo, c.hi);
        EXPECT_DOUBLE_EQ(r.min, c.want.min);
        EXPECT_DOUBLE_EQ(r.max, c.want.max);
        EXPECT_DOUBLE_EQ(r.step, c.want.step);
    }
}

TEST(PercentAxisRange, EveryRangeIsCoveredByFourToEightTicks)
{
    for (int lo = 0; lo <= 100; lo += 3) {
        for (int hi = lo; hi <= 100; hi += 7) {
            const AxisRange r = percentAxisRange(lo, hi);
            SCOPED_TRACE(testing::Message() << lo << ".." << hi << " -> " << r.min << ".." << r.max << "/" << r.step);
            EXPECT_LE(r.min, lo);
            EXPECT_GE(r.max, hi);
            EXPECT_GE(r.min, 0);
            EXPECT_LE(r.max, 100);
            EXPECT_DOUBLE_EQ(std::fmod(r.min, r.step), 0.0) << "the ends sit on ticks";
            EXPECT_DOUBLE_EQ(std::fmod(r.max, r.step), 0.0);
            EXPECT_GE(r.ticks(), 4);
            EXPECT_LE(r.ticks(), 8);
        }
    }
}
