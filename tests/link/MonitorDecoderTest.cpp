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
