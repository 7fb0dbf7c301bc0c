#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "model/Normalise.h"
#include "model/ParamImage.h"
#include "model/StartupImage.h"

using namespace tarvel;

namespace {

using Bytes = std::vector<std::pair<int, int>>;  // offset, value

ParamImage randomImage(std::mt19937& random)
{
    ParamImage image;
    for (auto& b : image.bytes)
        b = static_cast<std::uint8_t>(random());
    return image;
}

}  // namespace

struct NormaliseCase {
    const char* name;
    Bytes given;     // written over the start-up image
    Bytes expected;  // what those (and other) bytes hold afterwards
};

// Test names and messages show the case's name, not its bytes.
void PrintTo(const NormaliseCase& c, std::ostream* os)
{
    *os << c.name;
}

class NormaliseCases : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseCases, RepairsAsExpected)
{
    const NormaliseCase& c = GetParam();
    ParamImage image = StartupImage();
    for (auto [offset, value] : c.given)
        image[offset] = static_cast<std::uint8_t>(value);
    ParamImage expected = image;
    for (auto [offset, value] : c.expected)
        expected[offset] = static_cast<std::uint8_t>(value);
    NormaliseImage(image);
    EXPECT_EQ(image, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Normalise, NormaliseCases, ::testing::Values(
    NormaliseCase{"gasAbove100BothClamped", {{fld::gas1, 120}, {fld::gas2, 110}}, {{fld::gas1, 100}, {fld::gas2, 100}}},
    NormaliseCase{"gas1FollowsGas2", {{fld::gas1, 80}, {fld::gas2, 50}}, {{fld::gas1, 50}}},
    NormaliseCase{"gasBuildUpZeroBecomesOne", {{fld::gasBuildUp, 0}, {fld::gasDelay, 0}}, {{fld::gasBuildUp, 1}}},
    NormaliseCase{"gasTimesClamped", {{fld::gasBuildUp, 201}, {fld::gasDelay, 255}}, {{fld::gasBuildUp, 200}, {fld::gasDelay, 200}}},
    NormaliseCase{"retard1FollowsRetard2", {{fld::retard1, 30}, {fld::retard2, 20}}, {{fld::retard1, 20}}},
    NormaliseCase{"retardTimes", {{fld::retardBuildUp, 0}, {fld::retardDelay, 201}}, {{fld::retardBuildUp, 1}, {fld::retardDelay, 200}}},
    NormaliseCase{"retardBuildUpHigh", {{fld::retardBuildUp, 250}}, {{fld::retardBuildUp, 200}}},
    NormaliseCase{"channelCountZeroStays", {{fld::channelCount, 0}}, {}},
    NormaliseCase{"channelCountSevenBecomesFour", {{fld::channelCount, 7}}, {{fld::channelCount, 4}}},
    NormaliseCase{"tps100At4900mVPasses", {{fld::tps100, 240}}, {}},
    NormaliseCase{"tpsAbove250", {{fld::tps0, 251}, {fld::tps100, 255}}, {{fld::tps0, 250}, {fld::tps100, 250}}},
    NormaliseCase{"syncMode0ForcesOneLobe",
                  {{fld::syncMode, 0}, {fld::lobeCount, 24}, {fld::maxAdvLobe, 5}, {fld::startAdvLobe + 1, 17}},
                  {{fld::lobeCount, 1}, {fld::maxAdvLobe, 1}, {fld::startAdvLobe + 1, 1}, {fld::startAdvLobe, 1},
                   {fld::maxAdvLobe + 1, 1}}},
    NormaliseCase{"lobesAboveCountLowered", {{fld::maxAdvLobe + 3, 9}, {fld::startAdvLobe + 2, 6}},
                  {{fld::maxAdvLobe + 3, 5}, {fld::startAdvLobe + 2, 5}}},
    NormaliseCase{"syncMode4KeepsPickup2", {{fld::syncMode, 4}, {fld::maxAdvPickup2, 1}, {fld::startAdvPickup2 + 3, 1}}, {}},
    NormaliseCase{"syncMode0KeepsPickup2", {{fld::syncMode, 0}, {fld::lobeCount, 1}, {fld::maxAdvLobe, 1}, {fld::startAdvLobe, 1},
                  {fld::maxAdvLobe + 1, 1}, {fld::startAdvLobe + 1, 1}, {fld::maxAdvPickup2 + 1, 1}}, {}},
    NormaliseCase{"syncMode3ClearsPickup2", {{fld::syncMode, 3}, {fld::maxAdvPickup2, 1}, {fld::startAdvPickup2 + 3, 2}},
                  {{fld::maxAdvPickup2, 0}, {fld::startAdvPickup2 + 3, 0}}},
    NormaliseCase{"untouchedOutOfRangeFields",
                  {{fld::limiter, 255}, {fld::startLimiterMin, 200}, {fld::startLimiterMax, 10}, {fld::tachoCorrection, 0},
                   {fld::closingActive, 255}, {fld::reserved14, 7}, {fld::servoMv, 0}, {fld::advance + 55, 200},
                   {fld::n2oRepeat, 99}, {kImageSize + 3, 9}},
                  {}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Normalise, SpeedAxesAreBoundedThenRising)
{
    struct AxisCase {
        std::vector<int> given;
        std::vector<int> expected;
    };
    const AxisCase cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {{255, 255, 255, 255, 255, 255, 255, 255, 255, 255}, {191, 192, 193, 194, 195, 196, 197, 198, 199, 200}},
        {{10, 20, 20, 15, 50, 60, 70, 80, 90, 100}, {10, 20, 21, 22, 50, 60, 70, 80, 90, 100}},
        {{15, 20, 30, 40, 50, 60, 70, 80, 90, 100}, {15, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {{200, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {191, 192, 193, 194, 195, 196, 197, 198, 199, 200}},
    };
    for (int axis : {fld::mapRpm, fld::servoRpm}) {
        for (const AxisCase& c : cases) {
            ParamImage image = StartupImage();
            for (int i = 0; i < 10; ++i)
                image[axis + i] = static_cast<std::uint8_t>(c.given[static_cast<std::size_t>(i)]);
            NormaliseImage(image);
            for (int i = 0; i < 10; ++i)
                EXPECT_EQ(image[axis + i], c.expected[static_cast<std::size_t>(i)])
                    << "axis " << axis << " column " << i;
        }
    }
}

TEST(Normalise, ApplicationStateBytes)
{
    struct StateCase {
        std::uint8_t language, port, scan;
        std::uint8_t language2, port2, scan2;
    };
    const StateCase cases[] = {
        {3, 20, 19, 3, 20, 19},
        {4, 21, 20, 0, 0, 0},
        {255, 255, 255, 0, 0, 0},
    };
    for (const StateCase& c : cases) {
        ParamImage image = StartupImage();
        std::uint8_t language = c.language, port = c.port, scan = c.scan;
        NormaliseImage(image, language, port, scan);
        EXPECT_EQ(language, c.language2);
        EXPECT_EQ(port, c.port2);
        EXPECT_EQ(scan, c.scan2);
    }
}

// Whatever arrives, the result holds the invariants every consumer relies on,
// and a second pass changes nothing.
TEST(Normalise, AnyImageEndsInvariantAndIdempotent)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 2000; ++round) {
        ParamImage image = randomImage(random);
        if (round % 4 == 0)
            image[fld::syncMode] = static_cast<std::uint8_t>(round % 9);
        const ParamImage before = image;
        NormaliseImage(image);
        for (int axis : {fld::mapRpm, fld::servoRpm}) {
            for (int i = 0; i < 10; ++i) {
                EXPECT_GE(image[axis + i], i + 3);
                EXPECT_LE(image[axis + i], i + 191);
                if (i > 0) {
                    EXPECT_GT(image[axis + i], image[axis + i - 1]);
                }
            }
        }
        const bool pickup2Allowed = image[fld::syncMode] == 0 || image[fld::syncMode] == 4;
        for (int c = 0; c < 4; ++c) {
            EXPECT_LE(image[fld::maxAdvLobe + c], image[fld::lobeCount]);
            EXPECT_LE(image[fld::startAdvLobe + c], image[fld::lobeCount]);
            EXPECT_TRUE(pickup2Allowed || (image[fld::maxAdvPickup2 + c] | image[fld::startAdvPickup2 + c]) == 0);
        }
        EXPECT_TRUE(image[fld::syncMode] != 0 || image[fld::lobeCount] == 1);
        EXPECT_LE(image[fld::gas1], image[fld::gas2]);
        EXPECT_LE(image[fld::retard1], image[fld::retard2]);
        EXPECT_LE(image[fld::channelCount], 4);
        // The whole map page, the spare bytes and the reserved bytes are never touched.
        for (int b = kPageSize; b < kBlockSize; ++b)
            EXPECT_EQ(image[b], before[b]);
        EXPECT_EQ(image[fld::reserved14], before[fld::reserved14]);

        ParamImage again = image;
        NormaliseImage(again);
        ASSERT_EQ(again, image) << "round " << round;
    }
}
