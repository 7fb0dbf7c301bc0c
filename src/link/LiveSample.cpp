#include "link/LiveSample.h"

#include "link/MonitorDecoder.h"

namespace tarvel::link {

namespace {

// The flags of the frame in their order, as members of the sample.
struct FlagAt {
    int at;
    bool LiveSample::*flag;
};
constexpr FlagAt kFlags[] = {
    {mon::inStartLimiter, &LiveSample::inStartLimiter},
    {mon::inTachoLambda, &LiveSample::inTachoLambda},
    {mon::inClutch, &LiveSample::inClutch},
    {mon::inBlock1, &LiveSample::inBlock1},
    {mon::inBlock2, &LiveSample::inBlock2},
    {mon::inN2o, &LiveSample::inN2o},
    {mon::outLimiter, &LiveSample::outLimiter},
    {mon::outShiftLight, &LiveSample::outShiftLight},
    {mon::outStartLimiter, &LiveSample::outStartLimiter},
    {mon::outTacho, &LiveSample::outTacho},
    {mon::outClutch, &LiveSample::outClutch},
    {mon::outBlock1, &LiveSample::outBlock1},
    {mon::outBlock2, &LiveSample::outBlock2},
    {mon::outN2o, &LiveSample::outN2o},
    {mon::tpsError, &LiveSample::tpsError},
    {mon::servoOk, &LiveSample::servoOk},
    {mon::dataError, &LiveSample::dataError},
};

void put16(LinkFrame& f, int at, std::uint16_t v)
{
    f.bytes[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(v & 0xFF);
    f.bytes[static_cast<std::size_t>(at) + 1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

LiveSample LiveSample::fromFrame(BlockView f)
{
    auto byte = [&](int at) { return f[static_cast<std::size_t>(at)]; };
    LiveSample s;
    s.rpm = u16At(f, mon::rpm);
    s.tpsMv = u16At(f, mon::tpsMv);
    s.tpsPercent = byte(mon::tpsPercent);
    s.supplyMv = u16At(f, mon::supplyMv);
    s.servoMeasuredMv = u16At(f, mon::servoMeasuredMv);
    s.servoDesiredMv = u16At(f, mon::servoDesiredMv);
    s.potak = u16At(f, mon::potak);
    s.lambdaMv = u16At(f, mon::lambdaMv);
    s.programCount = u16At(f, mon::programCount);
    for (int i = 0; i < 8; ++i)
        s.test[static_cast<std::size_t>(i)] = u16At(f, mon::test + 2 * i);
    s.startLimiterRpm = u16At(f, mon::startLimiterRpm);
    s.saveCount = u16At(f, mon::saveCount);
    s.n2oPercent = byte(mon::n2oPercent);
    s.retard = byte(mon::retard);
    for (const FlagAt& flag : kFlags)
        s.*flag.flag = byte(flag.at) != 0;
    for (std::size_t p = 0; p < 2; ++p) {
        s.pickup[p] = byte(mon::pickup1 + static_cast<int>(p)) != 0;
        s.checkA[p] = byte(mon::checkA + static_cast<int>(p));
        s.checkB[p] = byte(mon::checkB + static_cast<int>(p));
    }
    for (std::size_t c = 0; c < 4; ++c) {
        s.advance[c] = static_cast<std::int16_t>(byte(mon::advance + static_cast<int>(c)) - 100);
        s.maxAdvance[c] = u16At(f, mon::maxAdvance + 2 * static_cast<int>(c));
    }
    s.formatVersion = byte(mon::formatVersion);
    return s;
}

LinkFrame LiveSample::toFrame() const
{
    LinkFrame f;
    f.bytes[0] = kMonitorReply;
    auto set = [&](int at, std::uint8_t v) { f.bytes[static_cast<std::size_t>(at)] = v; };
    put16(f, mon::rpm, rpm);
    put16(f, mon::tpsMv, tpsMv);
    set(mon::tpsPercent, tpsPercent);
    put16(f, mon::supplyMv, supplyMv);
    put16(f, mon::servoMeasuredMv, servoMeasuredMv);
    put16(f, mon::servoDesiredMv, servoDesiredMv);
    put16(f, mon::potak, potak);
    put16(f, mon::lambdaMv, lambdaMv);
    put16(f, mon::programCount, programCount);
    for (int i = 0; i < 8; ++i)
        put16(f, mon::test + 2 * i, test[static_cast<std::size_t>(i)]);
    put16(f, mon::startLimiterRpm, startLimiterRpm);
    put16(f, mon::saveCount, saveCount);
    set(mon::n2oPercent, n2oPercent);
    set(mon::retard, retard);
    for (const FlagAt& flag : kFlags)
        set(flag.at, this->*flag.flag ? 1 : 0);
    for (std::size_t p = 0; p < 2; ++p) {
        set(mon::pickup1 + static_cast<int>(p), pickup[p] ? 1 : 0);
        set(mon::checkA + static_cast<int>(p), checkA[p]);
        set(mon::checkB + static_cast<int>(p), checkB[p]);
    }
    for (std::size_t c = 0; c < 4; ++c) {
        // The frame's byte holds degrees + 100; the sample came from one.
        set(mon::advance + static_cast<int>(c), static_cast<std::uint8_t>(advance[c] + 100));
        put16(f, mon::maxAdvance + 2 * static_cast<int>(c), maxAdvance[c]);
    }
    set(mon::formatVersion, formatVersion);
    f.seal();
    return f;
}

}  // namespace tarvel::link
