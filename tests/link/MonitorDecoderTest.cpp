#include <gtest/gtest.h>

#include "link/MonitorDecoder.h"
#include "link/SimulatedUnit.h"
#include "model/StartupImage.h"

using namespace tarvel;
using namespace tarvel::link;

namespace {

class MonitorDecoderTest : public ::testing::Test {
protected:
    MonitorDecoderTest() : image(StartupImage())
    {
        messages.loadAll(Language::English);
        frame.bytes[0] = kMonitorReply;
        frame.bytes[mon::formatVersion] = kParamVersion;
        frame.bytes[mon::checkA] = 255;  // no pick-up error unless a test wants one
        frame.bytes[mon::checkA + 1] = 255;
    }
    void set16(int at, int v)
    {
        frame.bytes[at] = static_cast<std::uint8_t>(v & 0xFF);
        frame.bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    bool decode()
    {
        frame.seal();
        return decoder.decode(frame.bytes, image, messages, display);
    }
    const LabelState& label(LiveLabel l) const { return display.label(l); }
    int gauge(LiveGauge g) const { return display.gauge(g).progress; }

    ParamImage image;
    MessageTable messages;
    LinkFrame frame;
    MonitorDecoder decoder;
    LiveDisplay display;
};

}  // namespace

TEST_F(MonitorDecoderTest, FrameFailingTheCheckChangesNothing)
{
    set16(mon::rpm, 5000);
    frame.seal();
    frame.bytes[30] ^= 4;
    EXPECT_FALSE(decoder.decode(frame.bytes, image, messages, display));
    EXPECT_EQ(display.revision(), 0u);
    EXPECT_EQ(decoder.values().liveRpm, 0);
}

TEST_F(MonitorDecoderTest, SupplyVoltageBands)
{
    const std::pair<int, LinkColour> cases[] = {
        {7000, LinkColour::Red},     {7001, LinkColour::Yellow},  {11000, LinkColour::Yellow},
        {11001, LinkColour::Normal}, {14998, LinkColour::Normal}, {14999, LinkColour::Yellow},
        {17998, LinkColour::Yellow}, {17999, LinkColour::Red},    {0, LinkColour::Red},
    };
    for (auto [mv, colour] : cases) {
        set16(mon::supplyMv, mv);
        ASSERT_TRUE(decode());
        EXPECT_EQ(label(LiveLabel::LabelNapeti).colour, colour) << mv;
    }
    set16(mon::supplyMv, 7000);
    decode();
    EXPECT_EQ(label(LiveLabel::LabelNapeti).text, "U =  7.0 [V]");
    set16(mon::supplyMv, 13850);
    decode();
    EXPECT_EQ(label(LiveLabel::LabelNapeti).text, "U = 13.8 [V]");
}

TEST_F(MonitorDecoderTest, SpeedGaugeIsPercentOfTheLimiterAndGaugesStayInRange)
{
    set16(mon::rpm, 6000);
    image[fld::limiter] = 120;
    decode();
    EXPECT_EQ(gauge(LiveGauge::CGaugeRpm), 50);
    image[fld::limiter] = 0;
    decode();
    EXPECT_EQ(gauge(LiveGauge::CGaugeRpm), 60);
    set16(mon::rpm, 30000);
    decode();
    EXPECT_EQ(gauge(LiveGauge::CGaugeRpm), 100);  // beyond the limiter the gauge stays full

    for (auto [mv, want] : {std::pair{400, 0}, {300, 0}, {650, 250}, {2000, 500}}) {
        set16(mon::lambdaMv, mv);
        decode();
        EXPECT_EQ(gauge(LiveGauge::CGaugeLambda), want) << mv;
    }
}

TEST_F(MonitorDecoderTest, SpeedLabelColourFollowsLimiterThenShiftLight)
{
    set16(mon::rpm, 9100);
    decode();
    EXPECT_EQ(label(LiveLabel::LabelRpm).text, "RPM = 9100 ");
    EXPECT_EQ(label(LiveLabel::LabelRpm).colour, LinkColour::Normal);
    frame.bytes[mon::outShiftLight] = 1;
    decode();
    EXPECT_EQ(label(LiveLabel::LabelRpm).colour, LinkColour::Yellow);
    frame.bytes[mon::outLimiter] = 1;
    decode();
    EXPECT_EQ(label(LiveLabel::LabelRpm).colour, LinkColour::Red);
    EXPECT_EQ(label(LiveLabel::LabelMonLimiterOut).text, "Limiter: YES");
    EXPECT_EQ(label(LiveLabel::LabelMonLimiterOut).colour, LinkColour::Red);
}

TEST_F(MonitorDecoderTest, ThrottleSensorErrorShowsRawVoltage)
{
    frame.bytes[mon::tpsPercent] = 40;
    set16(mon::tpsMv, 2210);
    decode();
    EXPECT_EQ(label(LiveLabel::LabelTpsMon).text, "TP= 40 [%]= 2210 [mV]");
    EXPECT_EQ(gauge(LiveGauge::CGaugeTps), 40);

    frame.bytes[mon::tpsError] = 1;
    image[fld::tpsMap] = 0;
    decode();
    EXPECT_EQ(label(LiveLabel::LabelTpsMon).text, "TP=error = 2210 [mV]");
    EXPECT_EQ(label(LiveLabel::LabelTpsMon).colour, LinkColour::Normal);
    EXPECT_EQ(gauge(LiveGauge::CGaugeTps), 0);
    image[fld::tpsMap] = 1;
    decode();
    EXPECT_EQ(label(LiveLabel::LabelTpsMon).colour, LinkColour::Red);
}

TEST_F(MonitorDecoderTest, InputsOutputsAndPickUps)
{
    frame.bytes[mon::inClutch] = 1;
    frame.bytes[mon::inBlock1] = 1;
    frame.bytes[mon::outTacho] = 0;
    frame.bytes[mon::pickup1] = 1;
    decode();
    EXPECT_EQ(label(LiveLabel::LabelClutchIn).text, "Clutch master: Grounded");
    EXPECT_EQ(label(LiveLabel::LabelClutchIn).colour, LinkColour::Fuchsia);
    EXPECT_EQ(label(LiveLabel::LabelBlok1In).text, "Motor off 1: Grounded");
    EXPECT_EQ(label(LiveLabel::LabelBlok1In).colour, LinkColour::Aqua);
    EXPECT_EQ(label(LiveLabel::LabelBlok2In).text, "Motor off 2: Open");
    EXPECT_EQ(label(LiveLabel::LabelBlok2In).colour, LinkColour::Normal);
    EXPECT_EQ(label(LiveLabel::LabelN2oIn).text, "N2O : Open");
    EXPECT_EQ(label(LiveLabel::LabelMonN2oOut).text, "N2O: NO");
    EXPECT_EQ(label(LiveLabel::LabelMonTachoLambdaOut).text, "Tacho-Lambda: Lambda");
    EXPECT_EQ(label(LiveLabel::LabelMonTachoLambdaOut).colour, LinkColour::Aqua);
    EXPECT_EQ(label(LiveLabel::LabelMonSnimac1).text, "Pick-up (CKPS) 1 - is running");
    EXPECT_EQ(label(LiveLabel::LabelMonSnimac1).colour, LinkColour::Lime);
    EXPECT_EQ(label(LiveLabel::LabelMonSnimac2).text, "Pick-up (CKPS) 2 - no signal");
    EXPECT_EQ(label(LiveLabel::LabelPriveraPoz).colour, LinkColour::Red);  // servo status off

    messages.loadAll(Language::Czech);
    decode();
    EXPECT_EQ(label(LiveLabel::LabelClutchIn).text, "Clutch master: Uzeměn");
    EXPECT_EQ(label(LiveLabel::LabelMonLimiterOut).text, "Omezovač: NE");
}

TEST_F(MonitorDecoderTest, FourChannelAdvanceWithMaximum)
{
    image[fld::bikeCode] = kSpecialBikeCode;
    frame.bytes[mon::advance + 0] = 110;
    frame.bytes[mon::advance + 1] = 130;
    set16(mon::maxAdvance + 2, 25);
    decode();
    EXPECT_EQ(label(LiveLabel::LabelAdvance1).text, "Advance 1 = 10 [°]");
    EXPECT_EQ(label(LiveLabel::LabelAdvance2).text, "Advance 2 = 30 [°] /max 25 [°]");
    EXPECT_EQ(label(LiveLabel::LabelAdvance2).colour, LinkColour::Yellow);
    EXPECT_EQ(label(LiveLabel::LabelAdvance3).text, "Advance 3 = -100 [°]");

    // Pick-up check: a1 below revsWithoutIgnition and revs x lobes below b1.
    image[fld::revsWithoutIgnition] = 4;
    image[fld::lobeCount] = 2;
    frame.bytes[mon::checkA] = 3;
    frame.bytes[mon::checkB] = 9;
    decode();
    for (LiveLabel l : {LiveLabel::LabelAdvance1, LiveLabel::LabelAdvance4}) {
        EXPECT_EQ(label(l).text, "Pick up system error                    ");
        EXPECT_EQ(label(l).colour, LinkColour::Red);
    }
    frame.bytes[mon::checkB] = 8;  // 8 is not above 4 x 2
    decode();
    EXPECT_EQ(label(LiveLabel::LabelAdvance1).colour, LinkColour::Normal);
}

TEST_F(MonitorDecoderTest, OneLineAdvanceTakesTheLargestChannelAndSmallestMaximum)
{
    image[fld::bikeCode] = 20;
    image[fld::channelCount] = 2;
    frame.bytes[mon::advance + 0] = 120;
    frame.bytes[mon::advance + 1] = 135;
    frame.bytes[mon::advance + 2] = 150;  // channel 3 is not in use
    set16(mon::maxAdvance + 0, 40);
    set16(mon::maxAdvance + 6, 33);
    decode();
    EXPECT_EQ(label(LiveLabel::LabelAdvance1).text, "Advance = 35 [°] /max 33 [°]");
    EXPECT_EQ(label(LiveLabel::LabelAdvance1).colour, LinkColour::Yellow);
    EXPECT_EQ(label(LiveLabel::LabelAdvance2).revision, 0u);
}

TEST_F(MonitorDecoderTest, VersionAndDataErrorLabels)
{
    frame.bytes[mon::formatVersion] = 47;
    frame.bytes[mon::dataError] = 1;
    decode();
    EXPECT_EQ(label(LiveLabel::LabelVersion).visibility, Visibility::Shown);
    EXPECT_EQ(label(LiveLabel::LabelVersion).text, "Unmatched version of PC and Ignition programs!  PC-48, IGN-47");
    EXPECT_EQ(label(LiveLabel::LabelEeDataErr).visibility, Visibility::Shown);
    frame.bytes[mon::formatVersion] = 48;
    frame.bytes[mon::dataError] = 0;
    decode();
    EXPECT_EQ(label(LiveLabel::LabelVersion).visibility, Visibility::Hidden);
    EXPECT_EQ(label(LiveLabel::LabelEeDataErr).visibility, Visibility::Hidden);
}

TEST_F(MonitorDecoderTest, UnchangedFrameBumpsNoRevision)
{
    set16(mon::rpm, 4200);
    decode();
    const auto before = display.revision();
    const auto tpsBefore = label(LiveLabel::LabelTpsMon).revision;
    decode();
    EXPECT_EQ(display.revision(), before);
    set16(mon::rpm, 4300);
    decode();
    EXPECT_GT(display.revision(), before);
    EXPECT_EQ(label(LiveLabel::LabelTpsMon).revision, tpsBefore);
    EXPECT_EQ(decoder.values().liveRpm, 4300);
}

TEST_F(MonitorDecoderTest, FixedTextsAndStoredValues)
{
    set16(mon::programCount, 17);
    set16(mon::test + 14, 65535);
    set16(mon::startLimiterRpm, 4500);
    set16(mon::saveCount, 300);
    frame.bytes[mon::n2oPercent] = 80;
    frame.bytes[mon::retard] = 6;
    set16(mon::servoMeasuredMv, 1500);
    decode();
    EXPECT_EQ(label(LiveLabel::LabelPocetProgramovani).text, "Number of Programing= 17");
    EXPECT_EQ(label(LiveLabel::LabelTest8).text, "Test8 = 65535 ");
    EXPECT_EQ(label(LiveLabel::LabelMonStartLimiterRpm).text, "Start limiter = 4500 [RPM]");
    EXPECT_EQ(label(LiveLabel::LabelMonN2oProcent).text, "N2O = 80 [%]");
    EXPECT_EQ(label(LiveLabel::LabelMonRetard).text, "Retard = 6 [°]");
    EXPECT_EQ(label(LiveLabel::LabelPriveraMer).text, "Servo measured= 1500 [mV]");
    EXPECT_EQ(decoder.values().unitSaveCount, 300);
}
