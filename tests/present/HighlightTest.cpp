#include <gtest/gtest.h>

#include "present/Highlight.h"

using namespace tarvel;
using namespace tarvel::present;

TEST(Highlight, OperatingPointLightsOneColumnRowServoPointAndCell)
{
    struct Case {
        ToolPoint point;
        Highlight lit;
    };
    const Case cases[] = {
        {{.tpsRow = 9, .rpmColumn = 3, .servoColumn = 2, .belowMap = false}, {3, 9, 2, 9, 3}},
        {{.tpsRow = 4, .rpmColumn = 0, .servoColumn = 0, .belowMap = true}, {-1, 4, 0, -1, -1}},  // below the map
        {{.tpsRow = 0, .rpmColumn = 9, .servoColumn = 9, .belowMap = false}, {9, 0, 9, 0, 9}},
        {{.tpsRow = 12, .rpmColumn = 5, .servoColumn = -3, .belowMap = false}, {5, -1, -1, -1, -1}},  // out of range
    };
    for (const Case& c : cases)
        EXPECT_EQ(highlightOf(c.point), c.lit) << c.point.tpsRow << "/" << c.point.rpmColumn;
}
