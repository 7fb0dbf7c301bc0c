#include <gtest/gtest.h>

#include <random>

#include "model/DefaultSet.h"
#include "model/Normalise.h"
#include "model/ParamImage.h"

using namespace tarvel;

namespace {

ParamImage noise(unsigned seed, std::uint8_t bikeCode)
{
    ParamImage image;
    std::mt19937 random(seed);
    for (auto& b : image.bytes)
        b = static_cast<std::uint8_t>(random());
    image[fld::bikeCode] = bikeCode;
    return image;
}

void expectAxis(const ParamImage& image, int first, std::initializer_list<int> values)
{
    int i = 0;
    for (int v : values) {
        EXPECT_EQ(image[first + i], v) << "offset " << first + i;
        ++i;
    }
}

}  // namespace

// The values themselves are checked byte for byte by the .ign worked example;
// here: what the set leaves alone and where it depends on the image.
TEST(DefaultSet, LeavesKeyingReservedAndSpareBytes)
{
    for (std::uint8_t code : {std::uint8_t{0}, std::uint8_t{19}, kSpecialBikeCode, std::uint8_t{200}}) {
        const ParamImage before = noise(code, code);
        ParamImage image = before;
        ApplyDefaultSet(image);
        for (int f : {fld::bikeCode, fld::syncMode, fld::lobeCount, fld::channelCount, fld::tachoPulses,
                      fld::reserved14, fld::reserved55, fld::reserved55 + 1, fld::reserved55 + 2})
            EXPECT_EQ(image[f], before[f]) << "offset " << f;
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(image[fld::maxAdvLobe + c], before[fld::maxAdvLobe + c]);
            EXPECT_EQ(image[fld::startAdvLobe + c], before[fld::startAdvLobe + c]);
            for (int f : {fld::maxAdvEdge2, fld::startAdvEdge2, fld::maxAdvPickup2, fld::startAdvPickup2})
                EXPECT_EQ(image[f + c], code == kSpecialBikeCode ? before[f + c] : 0);
        }
        for (int s = 0; s < kSpareSize; ++s)
            EXPECT_EQ(image.spare()[s], before.spare()[s]);

        ParamImage twice = image;
        ApplyDefaultSet(twice);
        EXPECT_EQ(twice, image);
    }
}

TEST(DefaultSet, ServoCurveOfR1)
{
    ParamImage r1 = noise(1, 19);
    ApplyDefaultSet(r1);
    expectAxis(r1, fld::servoRpm, {3, 4, 41, 46, 65, 70, 75, 83, 90, 105});
    expectAxis(r1, fld::servoMv, {30, 45, 45, 61, 61, 64, 68, 80, 93, 93});

    ParamImage other = noise(1, 18);
    ApplyDefaultSet(other);
    expectAxis(other, fld::servoRpm, {12, 20, 30, 40, 60, 80, 100, 120, 140, 160});
    expectAxis(other, fld::servoMv, {100, 105, 110, 115, 120, 125, 130, 135, 140, 145});
}

// The default axes pass validation unchanged (the R1 servo curve too).
TEST(DefaultSet, AxesPassValidation)
{
    for (std::uint8_t code : {std::uint8_t{19}, std::uint8_t{20}}) {
        ParamImage image = noise(3, code);
        ApplyDefaultSet(image);
        ParamImage validated = image;
        NormaliseImage(validated);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(validated[fld::mapRpm + i], image[fld::mapRpm + i]);
            EXPECT_EQ(validated[fld::servoRpm + i], image[fld::servoRpm + i]);
        }
    }
}

TEST(DefaultSet, CompensationIsEleven)
{
    ParamImage image = noise(4, 0);
    SetDefaultCompensation(image);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image[fld::compensation + i], 11);
    EXPECT_EQ(image[fld::compensation + 4], noise(4, 0)[fld::compensation + 4]);
}
