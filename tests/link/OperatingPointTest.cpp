#include <gtest/gtest.h>

#include "link/OperatingPoint.h"

using namespace tarvel;
using namespace tarvel::link;

namespace {
ParamImage evenAxes()
{
    ParamImage img;
    for (int i = 0; i < 10; ++i) {
        img[fld::mapRpm + i] = static_cast<std::uint8_t>(10 * (i + 1));    // 1000..10000 rpm
        img[fld::servoRpm + i] = static_cast<std::uint8_t>(20 * (i + 1));  // 2000..20000 rpm
    }
    return img;
}
}  // namespace

TEST(OperatingPoint, SpeedColumnHalfwayGoesLowerAndBelowMapLightsNothing)
{
    const ParamImage img = evenAxes();
    struct Case {
        int rpm;
        int column;
        bool below;
    };
    const Case cases[] = {{1500, 0, false},  {1600, 1, false}, {900, 0, true}, {1000, 0, false},
                          {12000, 9, false}, {9999, 9, false}, {0, 0, true},   {5499, 4, false}};
    for (const Case& c : cases) {
        const auto op = computeOperatingPoint(img, static_cast<std::uint16_t>(c.rpm), 0, true);
        EXPECT_EQ(op.opRpmColumn, c.column) << c.rpm;
        EXPECT_EQ(op.opBelowMap, c.below) << c.rpm;
        EXPECT_EQ(op.litMapColumn(), c.below ? -1 : c.column) << c.rpm;
    }
    // The speed is taken in hundreds modulo 256: 26600 rpm is 266 -> 10.
    EXPECT_EQ(computeOperatingPoint(img, 26600, 0, true).opRpmColumn, 0);
    EXPECT_FALSE(computeOperatingPoint(img, 26600, 0, true).opBelowMap);
    // The servo axis has no below-map state.
    EXPECT_EQ(computeOperatingPoint(img, 900, 0, true).opServoColumn, 0);
    EXPECT_EQ(computeOperatingPoint(img, 5000, 0, true).opServoColumn, 1);  // 50 is halfway 40..60
}

TEST(OperatingPoint, ThrottleRowFollowsTheCheckBox)
{
    const ParamImage img = evenAxes();
    const std::pair<int, int> cases[] = {{0, 0},  {1, 0},  {2, 1},  {3, 1},   {4, 2},  {15, 3},
                                         {16, 4}, {70, 7}, {71, 8}, {100, 9}, {255, 9}};
    for (auto [tps, row] : cases)
        EXPECT_EQ(computeOperatingPoint(img, 3000, static_cast<std::uint8_t>(tps), true).opTpsRow, row) << tps;
    EXPECT_EQ(computeOperatingPoint(img, 3000, 3, false).opTpsRow, 9);
}

TEST(OperatingPoint, OnlyTheOperatingCellIsLit)
{
    const auto op = computeOperatingPoint(evenAxes(), 3000, 4, true);
    int lit = 0;
    for (int t = 0; t < 10; ++t)
        for (int r = 0; r < 10; ++r)
            lit += op.advanceCellLit(t, r);
    EXPECT_EQ(lit, 1);
    EXPECT_TRUE(op.advanceCellLit(2, 2));
    EXPECT_FALSE(computeOperatingPoint(evenAxes(), 500, 4, true).advanceCellLit(2, 0));
}
