#include <gtest/gtest.h>

#include "link/MonitorDecoder.h"

using namespace tarvel;
using namespace tarvel::link;

namespace {

void set16(LinkFrame& frame, int at, int v)
{
    frame.bytes[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(v & 0xFF);
    frame.bytes[static_cast<std::size_t>(at) + 1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

TEST(MonitorDecoder, FrameFailingTheCheckChangesNothing)
{
    MonitorDecoder decoder;
    LinkFrame frame;
    frame.bytes[0] = kMonitorReply;
    set16(frame, mon::rpm, 5000);
    frame.seal();
    frame.bytes[30] ^= 4;
    EXPECT_FALSE(decoder.decode(frame.bytes));
    EXPECT_EQ(decoder.sample(), LiveSample{});
    EXPECT_EQ(decoder.values().liveRpm, 0);
}

TEST(MonitorDecoder, EveryFieldComesFromItsBytes)
{
    MonitorDecoder decoder;
    LinkFrame frame;
    frame.bytes[0] = kMonitorReply;
    set16(frame, mon::rpm, 9100);
    set16(frame, mon::tpsMv, 2210);
    set16(frame, mon::supplyMv, 13850);
    set16(frame, mon::servoMeasuredMv, 1500);
    set16(frame, mon::servoDesiredMv, 1600);
    set16(frame, mon::potak, 4000);
    set16(frame, mon::lambdaMv, 650);
    set16(frame, mon::programCount, 17);
    set16(frame, mon::test + 14, 65535);
    set16(frame, mon::startLimiterRpm, 4500);
    set16(frame, mon::saveCount, 300);
    set16(frame, mon::maxAdvance + 6, 33);
    frame.bytes[mon::tpsPercent] = 40;
    frame.bytes[mon::tpsError] = 1;
    frame.bytes[mon::n2oPercent] = 80;
    frame.bytes[mon::retard] = 6;
    frame.bytes[mon::inBlock2] = 1;
    frame.bytes[mon::outN2o] = 1;
    frame.bytes[mon::pickup1 + 1] = 1;
    frame.bytes[mon::checkB + 1] = 9;
    frame.bytes[mon::advance + 3] = 90;
    frame.bytes[mon::dataError] = 1;
    frame.bytes[mon::formatVersion] = 47;
    frame.seal();
    ASSERT_TRUE(decoder.decode(frame.bytes));

    const LiveSample& s = decoder.sample();
    EXPECT_EQ(s.rpm, 9100);
    EXPECT_EQ(s.tpsMv, 2210);
    EXPECT_EQ(s.supplyMv, 13850);
    EXPECT_EQ(s.servoMeasuredMv, 1500);
    EXPECT_EQ(s.servoDesiredMv, 1600);
    EXPECT_EQ(s.potak, 4000);
    EXPECT_EQ(s.lambdaMv, 650);
    EXPECT_EQ(s.programCount, 17);
    EXPECT_EQ(s.test[7], 65535);
    EXPECT_EQ(s.startLimiterRpm, 4500);
    EXPECT_EQ(s.saveCount, 300);
    EXPECT_EQ(s.maxAdvance[3], 33);
    EXPECT_EQ(s.tpsPercent, 40);
    EXPECT_TRUE(s.tpsError);
    EXPECT_EQ(s.n2oPercent, 80);
    EXPECT_EQ(s.retard, 6);
    EXPECT_TRUE(s.inBlock2);
    EXPECT_FALSE(s.inBlock1);
    EXPECT_TRUE(s.outN2o);
    EXPECT_TRUE(s.pickup[1]);
    EXPECT_FALSE(s.pickup[0]);
    EXPECT_EQ(s.checkB[1], 9);
    EXPECT_EQ(s.advance[3], -10);
    EXPECT_EQ(s.advance[0], -100);
    EXPECT_TRUE(s.dataError);
    EXPECT_EQ(s.formatVersion, 47);
    EXPECT_EQ(decoder.values().liveRpm, 9100);
    EXPECT_EQ(decoder.values().liveTpsMv, 2210);
    EXPECT_EQ(decoder.values().unitSaveCount, 300);
}

// A replayed log goes through the decoder: the frame a sample makes must give
// back every field, each from a byte of its own.
TEST(MonitorDecoder, TheFrameOfASampleDecodesToTheSameSample)
{
    LiveSample s;
    s.rpm = 12345;
    s.tpsMv = 2210;
    s.tpsPercent = 99;
    s.supplyMv = 13850;
    s.servoMeasuredMv = 1501;
    s.servoDesiredMv = 1602;
    s.potak = 4003;
    s.lambdaMv = 654;
    s.programCount = 17;
    for (std::size_t i = 0; i < s.test.size(); ++i)
        s.test[i] = static_cast<std::uint16_t>(1000 * i + 7);
    s.startLimiterRpm = 4500;
    s.saveCount = 301;
    s.n2oPercent = 80;
    s.retard = 6;
    s.advance = {-100, -10, 0, 155};
    s.maxAdvance = {0, 42, 65535, 33};
    s.checkA = {1, 2};
    s.checkB = {3, 255};
    s.formatVersion = 48;
    const LiveSample none = s;
    int n = 0;
    for (bool* flag : {&s.inStartLimiter, &s.inTachoLambda, &s.inClutch, &s.inBlock1, &s.inBlock2, &s.inN2o,
                       &s.outLimiter, &s.outShiftLight, &s.outStartLimiter, &s.outTacho, &s.outClutch, &s.outBlock1,
                       &s.outBlock2, &s.outN2o, &s.pickup[0], &s.pickup[1], &s.tpsError, &s.servoOk, &s.dataError}) {
        s = none;
        *flag = true;
        MonitorDecoder decoder;
        ASSERT_TRUE(decoder.decode(s.toFrame().bytes));
        EXPECT_EQ(decoder.sample(), s) << "flag " << n++;
    }
}
