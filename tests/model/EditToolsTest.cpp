#include <gtest/gtest.h>

#include "model/EditTools.h"

using namespace tarvel;

namespace {

ParamImage mapOf(std::uint8_t value)
{
    ParamImage image;
    for (int t = 0; t < 10; ++t)
        for (int r = 0; r < 10; ++r)
            image.advance(t, r) = value;
    return image;
}

ToolPoint pointAt(int row, int column, bool below = false)
{
    return ToolPoint{.tpsRow = row, .rpmColumn = column, .servoColumn = column, .belowMap = below};
}

}  // namespace

TEST(EditTools, WholeMapStepsStopAtTheLimits)
{
    struct Case {
        std::uint8_t before;
        int delta;
        std::uint8_t after;
    } cases[] = {{0, -1, 0}, {5, -1, 4}, {60, +1, 60}, {59, +1, 60}, {70, +1, 70}, {70, -1, 69}, {0, +1, 1}};
    for (const auto& c : cases) {
        ParamImage image = mapOf(c.before);
        StepAdvance(image, c.delta, true, pointAt(0, 0, true));  // "All" ignores the operating point
        for (int t = 0; t < 10; ++t)
            for (int r = 0; r < 10; ++r)
                ASSERT_EQ(image.advance(t, r), c.after) << int(c.before) << " " << c.delta;
    }
}

TEST(EditTools, SingleCellMovesOnlyTheOperatingPoint)
{
    ParamImage image = mapOf(30);
    StepAdvance(image, +1, false, pointAt(9, 3));
    StepAdvance(image, -1, false, pointAt(2, 7));
    for (int t = 0; t < 10; ++t)
        for (int r = 0; r < 10; ++r) {
            int expected = (t == 9 && r == 3) ? 31 : (t == 2 && r == 7) ? 29 : 30;
            ASSERT_EQ(image.advance(t, r), expected);
        }
}

TEST(EditTools, BelowTheMapOrOutOfRangePointChangesNothing)
{
    const ParamImage before = mapOf(30);
    for (const ToolPoint& p : {pointAt(9, 3, true), pointAt(10, 3), pointAt(-1, 0), pointAt(0, 10)}) {
        ParamImage image = before;
        StepAdvance(image, +1, false, p);
        EXPECT_EQ(image, before);
    }
}

TEST(EditTools, ColumnStepMovesTenCellsOfOneColumn)
{
    ParamImage image = mapOf(20);
    image.advance(4, 9) = 60;
    StepAdvanceColumn(image, 9, +1);
    for (int t = 0; t < 10; ++t) {
        EXPECT_EQ(image.advance(t, 9), t == 4 ? 60 : 21);
        EXPECT_EQ(image.advance(t, 8), 20);
    }
    image.advance(0, 0) = 0;
    StepAdvanceColumn(image, 0, -1);
    EXPECT_EQ(image.advance(0, 0), 0);
    EXPECT_EQ(image.advance(1, 0), 19);
}

TEST(EditTools, ServoStepsStopAt1And249)
{
    ParamImage image;
    const std::uint8_t start[10] = {248, 249, 250, 1, 2, 100, 0, 255, 120, 130};
    for (int i = 0; i < 10; ++i)
        image[fld::servoMv + i] = start[i];
    ParamImage up = image;
    StepServo(up, +1, true, pointAt(0, 0));
    ParamImage down = image;
    StepServo(down, -1, true, pointAt(0, 0));
    const std::uint8_t upExpected[10] = {249, 249, 250, 2, 3, 101, 1, 255, 121, 131};
    const std::uint8_t downExpected[10] = {247, 248, 249, 1, 1, 99, 0, 254, 119, 129};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(up[fld::servoMv + i], upExpected[i]) << i;
        EXPECT_EQ(down[fld::servoMv + i], downExpected[i]) << i;
    }

    ParamImage one = image;
    StepServo(one, -1, false, pointAt(0, 5));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(one[fld::servoMv + i], i == 5 ? 99 : start[i]);
}

TEST(EditTools, ThrottleCaptureOnlyWithinItsWindow)
{
    struct Case {
        bool hundred;
        int mv;
        bool stored;
        std::uint8_t byte;
    } cases[] = {
        {false, 95, false, 0},   {false, 100, true, 10}, {false, 2500, true, 250},
        {false, 2600, false, 0}, {true, 2499, false, 0}, {true, 2500, true, 0},
        {true, 4900, true, 240}, {true, 4910, false, 0}, {true, 3790, true, 129},
    };
    for (const auto& c : cases) {
        ParamImage image;
        image[fld::tps0] = 0;
        image[fld::tps100] = 0;
        const bool stored = c.hundred ? CaptureTps100(image, c.mv) : CaptureTps0(image, c.mv);
        EXPECT_EQ(stored, c.stored) << c.mv;
        EXPECT_EQ(image[c.hundred ? fld::tps100 : fld::tps0], c.byte) << c.mv;
    }
}
