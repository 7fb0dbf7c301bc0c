// The enabling rules on images, without a window.
#include <gtest/gtest.h>

#include "model/StartupImage.h"
#include "present/EnablingRules.h"

using namespace tarvel;
using namespace tarvel::present;

namespace {

ParamImage manualImage(int method, int channels)
{
    ParamImage image = StartupImage();
    image[fld::bikeCode] = kSpecialBikeCode;
    image[fld::syncMode] = static_cast<std::uint8_t>(method);
    image[fld::channelCount] = static_cast<std::uint8_t>(channels);
    return image;
}

}  // namespace

TEST(EnablingRules, PrintingThrottleMapServoN2oAndTestMode)
{
    struct Case {
        const char* name;
        bool printing, testMode, tpsMap, servo, n2o;
    };
    const Case cases[] = {
        {"plain", false, false, false, false, false},
        {"printing with map", true, false, true, false, false},
        {"map", false, false, true, true, false},
        {"test mode, n2o", false, true, false, false, true},
    };
    for (const Case& c : cases) {
        ParamImage image = StartupImage();
        image[fld::tpsMap] = c.tpsMap;
        image[fld::servoEnable] = c.servo;
        image[fld::n2oEnable] = c.n2o;
        const RuleState r = decideRules(image, {.printing = c.printing, .testMode = c.testMode});
        EXPECT_EQ(r.windowWhite, c.printing) << c.name;
        EXPECT_EQ(r.editingAidsShown, !c.printing) << c.name;
        EXPECT_EQ(r.tpsRowsShown, c.tpsMap) << c.name;
        EXPECT_EQ(r.tpsUpDownsShown, c.tpsMap && !c.printing) << c.name;  // no up-downs on paper
        EXPECT_EQ(r.tpsLabelEnabled, c.tpsMap) << c.name;
        EXPECT_EQ(r.fullThrottleRowOnTop, !c.tpsMap) << c.name;
        EXPECT_EQ(r.servoShown, c.servo) << c.name;
        EXPECT_EQ(r.n2oShown, c.n2o) << c.name;
        EXPECT_EQ(r.testShown, c.testMode) << c.name;
    }
}

TEST(EnablingRules, SwitchColours)
{
    ParamImage image = StartupImage();
    image[fld::noReading] = 1;
    EXPECT_TRUE(decideRules(image, {}).noReadingRed);
    EXPECT_FALSE(decideRules(image, {}).autoProgramRed);
    EXPECT_TRUE(decideRules(image, {.autoProgram = true}).autoProgramRed);
    image[fld::noReading] = 0;
    EXPECT_FALSE(decideRules(image, {}).noReadingRed);
}

// Which keying controls each method greys or hides, with the special code
// (manual keying) and with a preset bike.
TEST(EnablingRules, KeyingControlsPerMethod)
{
    struct Case {
        int method;
        int channels;
        bool lobeEdits, lobeCountUpDown, channelCountUpDown, methods046, pickup2;
        std::array<bool, 4> groups;
        std::array<bool, 4> maxEdge2;
        bool otherEdges;
    };
    const Case cases[] = {
        {0, 1, false, false, true, true, true, {true, false, false, false}, {true, true, true, true}, true},
        {4, 2, true, true, true, true, true, {true, true, false, false}, {true, true, true, true}, true},
        {6, 4, true, true, true, true, false, {true, true, true, true}, {true, true, true, true}, true},
        {7, 4, true, false, false, false, false, {false, false, false, false}, {true, true, true, true}, true},
        {8, 3, true, true, true, false, false, {true, true, true, false}, {true, false, false, false}, false},
        {9, 1, true, true, true, false, false, {true, false, false, false}, {true, true, true, true}, true},
    };
    for (const Case& c : cases) {
        const RuleState r = decideRules(manualImage(c.method, c.channels), {});
        const std::string m = "method " + std::to_string(c.method);
        EXPECT_TRUE(r.manualEnabled) << m;
        EXPECT_EQ(r.lobeEditsEnabled, c.lobeEdits) << m;
        EXPECT_EQ(r.lobeUpDownsShown, c.lobeEdits) << m;
        EXPECT_EQ(r.lobeCountUpDownShown, c.lobeCountUpDown) << m;
        EXPECT_EQ(r.channelCountUpDownShown, c.channelCountUpDown) << m;
        EXPECT_EQ(r.methods046Shown, c.methods046) << m;
        EXPECT_EQ(r.pickup2BoxesShown, c.pickup2) << m;
        EXPECT_EQ(r.channelGroupShown, c.groups) << m;
        EXPECT_EQ(r.maxEdge2Enabled, c.maxEdge2) << m;
        EXPECT_EQ(r.otherEdgeBoxesEnabled, c.otherEdges) << m;
        // One live advance line per channel with the special code.
        for (int ch = 1; ch < 4; ++ch)
            EXPECT_EQ(r.advanceLabelShown[static_cast<std::size_t>(ch)], c.channels >= ch + 1) << m << " line " << ch;
    }

    ParamImage preset = manualImage(4, 4);
    preset[fld::bikeCode] = 20;
    const RuleState r = decideRules(preset, {});
    EXPECT_FALSE(r.manualEnabled);
    EXPECT_FALSE(r.lobeEditsEnabled);
    EXPECT_EQ(r.maxEdge2Enabled, (std::array<bool, 4>{}));
    EXPECT_FALSE(r.advanceLabelShown[1]);  // one live advance line for a preset bike
    EXPECT_TRUE(r.advanceLabelShown[0]);
}

TEST(EnablingRules, In48Minus2EveryEdgeFlagFollowsChannelOnesMaximumFlag)
{
    for (std::uint8_t edge : {0, 1}) {
        ParamImage image = manualImage(kMethod48Minus2, 4);
        for (int c = 0; c < 4; ++c) {
            image[fld::maxAdvEdge2 + c] = static_cast<std::uint8_t>(c % 2 == 0 ? 1 - edge : edge);
            image[fld::startAdvEdge2 + c] = static_cast<std::uint8_t>(1 - edge);
        }
        image[fld::maxAdvEdge2] = edge;
        EXPECT_TRUE(applyImageRules(image));
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(image[fld::maxAdvEdge2 + c], edge) << c;
            EXPECT_EQ(image[fld::startAdvEdge2 + c], edge) << c;
        }
        EXPECT_FALSE(applyImageRules(image));  // tied already
    }
    ParamImage other = manualImage(4, 4);
    other[fld::maxAdvEdge2] = 1;
    other[fld::startAdvEdge2 + 2] = 0;
    EXPECT_FALSE(applyImageRules(other));  // other methods leave the flags alone
    EXPECT_EQ(other[fld::startAdvEdge2 + 2], 0);
}
