#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/DefaultSet.h"
#include "model/KeyingPresets.h"
#include "model/Normalise.h"
#include "model/ParamImage.h"
#include "model/StartupImage.h"

using namespace tarvel;

namespace {

// One lobe of a channel: number and its 2nd-edge and 2nd-pick-up flags.
struct Lobe {
    int number;
    bool edge2 = false;
    bool pickup2 = false;
};
struct Channel {
    Lobe max, start;
};
constexpr Lobe L(int n)
{
    return {n};
}
constexpr Lobe E(int n)
{
    return {n, true};
}
constexpr Lobe EP(int n)
{
    return {n, true, true};
}
constexpr Lobe P(int n)
{
    return {n, false, true};
}

struct PresetCase {
    int code;
    int sync, lobes, channels;
    std::vector<Channel> lobeTable;  // channels the preset sets
    int tachoPulses;
    int ignitionMultiple = 1, invertInput1 = 0, excitationLong = 1, servoEnable = 0;
};

// The preset table, by code; the last four columns are what the default set
// leaves unless the preset says otherwise.
const PresetCase kPresetCases[] = {
    {0, 1, 3, 2, {{L(1), E(1)}, {L(2), E(2)}}, 2},
    {1, 4, 7, 2, {{L(2), E(3)}, {L(6), E(7)}}, 2},
    {2, 3, 9, 2, {{L(1), E(3)}, {L(7), E(9)}}, 2},
    {3, 3, 9, 2, {{L(6), L(7)}, {L(8), L(9)}}, 2},
    {4, 4, 7, 2, {{L(4), E(5)}, {L(6), E(7)}}, 4},
    {5, 4, 7, 2, {{E(1), E(2)}, {EP(5), EP(6)}}, 2},
    {6, 4, 7, 2, {{L(3), E(4)}, {L(4), E(5)}}, 2},
    {7, 0, 1, 2, {{L(1), E(1)}, {P(1), EP(1)}}, 1},
    {8, 3, 4, 2, {{L(1), L(2)}, {L(3), L(4)}}, 1},
    {9, 2, 6, 2, {{L(1), L(2)}, {L(4), L(5)}}, 1},
    {10, 2, 6, 2, {{L(2), L(3)}, {L(5), L(6)}}, 1},
    {11, 2, 4, 2, {{L(4), L(1)}, {L(2), L(3)}}, 1},
    {12, 2, 4, 2, {{L(4), L(1)}, {L(1), L(2)}}, 1},
    {13, 3, 4, 2, {{L(2), L(3)}, {L(3), L(4)}}, 1},
    {14, 2, 4, 2, {{L(1), L(2)}, {L(4), L(1)}}, 1},
    {15, 2, 4, 2, {{L(3), L(4)}, {L(4), L(1)}}, 2},
    {16, 3, 2, 2, {{L(1), E(1)}, {L(2), E(2)}}, 2},
    {17, 4, 2, 2, {{L(2), EP(1)}, {EP(1), EP(2)}}, 2},
    {18, 2, 8, 2, {{L(3), L(4)}, {L(7), L(8)}}, 2},
    {19, 2, 4, 2, {{L(3), L(4)}, {L(1), L(2)}}, 2, 1, 0, 1, 1},
    {20, 1, 5, 2, {{E(1), E(2)}, {E(3), E(4)}}, 2, 1, 0, 0, 0},
    {21, 2, 4, 2, {{L(4), L(1)}, {L(2), L(3)}}, 1},
    {23, 1, 4, 3, {{L(1), E(1)}, {L(2), E(2)}, {L(3), E(3)}}, 1, 1, 0, 0, 0},
    {24, 4, 11, 4, {{L(4), L(5)}, {L(7), L(8)}, {L(10), L(11)}, {L(1), L(2)}}, 2},
    {25, 1, 7, 4, {{E(1), E(2)}, {E(2), E(3)}, {E(4), E(5)}, {E(5), E(6)}}, 2},
    {26, 5, 7, 3, {{L(2), L(3)}, {L(4), L(5)}, {L(6), L(1)}}, 1, 1, 0, 0, 0},
    {27, 2, 4, 4, {{L(4), L(1)}, {L(2), L(3)}, {L(2), L(3)}, {L(4), L(1)}}, 2, 1, 0, 0, 0},
    {28, 0, 1, 2, {{L(1), E(1)}, {P(1), EP(1)}}, 1, 2},
    {29, 0, 1, 1, {{L(1), E(1)}, {P(1), EP(1)}}, 1, 3},
    {30, 0, 1, 2, {{L(1), E(1)}, {P(1), EP(1)}}, 1, 0},
    {31, 7, 2, 2, {{L(1), E(1)}, {L(2), E(2)}}, 2, 0, 1},
};

// A start image with distinctive lobe numbers in every channel.
ParamImage markedImage(int code)
{
    ParamImage image;
    std::mt19937 random(static_cast<unsigned>(code));
    for (auto& b : image.bytes)
        b = static_cast<std::uint8_t>(random());
    image[fld::bikeCode] = static_cast<std::uint8_t>(code);
    return image;
}

}  // namespace

TEST(KeyingPresets, EveryPresetAsTabled)
{
    for (const PresetCase& p : kPresetCases) {
        SCOPED_TRACE("bikeCode " + std::to_string(p.code));
        const ParamImage before = markedImage(p.code);
        ParamImage image = before;
        bool chosen = true;
        ApplyKeyingPreset(image, chosen);
        EXPECT_FALSE(chosen);

        ParamImage expected = before;
        ApplyDefaultSet(expected);
        expected[fld::syncMode] = static_cast<std::uint8_t>(p.sync);
        expected[fld::lobeCount] = static_cast<std::uint8_t>(p.lobes);
        expected[fld::channelCount] = static_cast<std::uint8_t>(p.channels);
        expected[fld::tachoPulses] = static_cast<std::uint8_t>(p.tachoPulses);
        for (std::size_t c = 0; c < p.lobeTable.size(); ++c) {
            const int ch = static_cast<int>(c);
            const Channel& k = p.lobeTable[c];
            expected[fld::maxAdvLobe + ch] = static_cast<std::uint8_t>(k.max.number);
            expected[fld::startAdvLobe + ch] = static_cast<std::uint8_t>(k.start.number);
            expected[fld::maxAdvEdge2 + ch] = k.max.edge2;
            expected[fld::startAdvEdge2 + ch] = k.start.edge2;
            expected[fld::maxAdvPickup2 + ch] = k.max.pickup2;
            expected[fld::startAdvPickup2 + ch] = k.start.pickup2;
        }
        expected[fld::ignitionMultiple] = static_cast<std::uint8_t>(p.ignitionMultiple);
        expected[fld::invertInput1] = static_cast<std::uint8_t>(p.invertInput1);
        expected[fld::excitationLong] = static_cast<std::uint8_t>(p.excitationLong);
        expected[fld::servoEnable] = static_cast<std::uint8_t>(p.servoEnable);
        EXPECT_EQ(image, expected);
    }
}

TEST(KeyingPresets, SpecialSettingChosenInListChangesNothing)
{
    const ParamImage before = markedImage(kSpecialBikeCode);
    ParamImage image = before;
    bool chosen = true;
    ApplyKeyingPreset(image, chosen);
    EXPECT_EQ(image, before);
    EXPECT_FALSE(chosen);
}

TEST(KeyingPresets, SpecialSettingOnNewAppliesDefaultsButKeepsKeying)
{
    const ParamImage before = markedImage(kSpecialBikeCode);
    ParamImage image = before;
    bool chosen = false;
    ApplyKeyingPreset(image, chosen);
    ParamImage expected = before;
    ApplyDefaultSet(expected);
    EXPECT_EQ(image, expected);
    for (int c = 0; c < 4; ++c)
        for (int f : {fld::maxAdvLobe, fld::startAdvLobe, fld::maxAdvEdge2, fld::startAdvEdge2, fld::maxAdvPickup2,
                      fld::startAdvPickup2})
            EXPECT_EQ(image[f + c], before[f + c]);
}

TEST(KeyingPresets, CodesAbove31OnlyApplyTheDefaultSet)
{
    ParamImage image = markedImage(40);
    ParamImage expected = image;
    ApplyDefaultSet(expected);
    bool chosen = true;
    ApplyKeyingPreset(image, chosen);
    EXPECT_EQ(image, expected);
}

// The R6 preset sets two channels; channels 2 and 3 keep the VFR 750 lobes
// until validation lowers those above the new lobe count.
TEST(KeyingPresets, R6AfterVfr750)
{
    ParamImage image = StartupImage(24);
    image[fld::bikeCode] = 20;
    bool chosen = true;
    ApplyKeyingPreset(image, chosen);
    NormaliseImage(image);
    EXPECT_EQ(image[fld::maxAdvLobe + 2], 5);
    EXPECT_EQ(image[fld::startAdvLobe + 2], 5);
    EXPECT_EQ(image[fld::maxAdvLobe + 3], 1);
    EXPECT_EQ(image[fld::startAdvLobe + 3], 2);
    for (int f : {fld::maxAdvEdge2, fld::startAdvEdge2, fld::maxAdvPickup2, fld::startAdvPickup2}) {
        EXPECT_EQ(image[f + 2], 0);
        EXPECT_EQ(image[f + 3], 0);
    }
}

// Every preset's start image is already valid: validation at start-up
// changes nothing. ("Special setting" keys nothing, so its zero lobe count is
// repaired.)
TEST(KeyingPresets, StartupImagesAreNormalised)
{
    for (int code = 0; code < 32; ++code) {
        if (code == kSpecialBikeCode)
            continue;
        ParamImage image = StartupImage(static_cast<std::uint8_t>(code));
        EXPECT_EQ(image[fld::bikeCode], code);
        ParamImage plain;
        plain[fld::bikeCode] = static_cast<std::uint8_t>(code);
        bool chosen = false;
        ApplyKeyingPreset(plain, chosen);
        EXPECT_EQ(image, plain) << "bikeCode " << code;
    }
}
