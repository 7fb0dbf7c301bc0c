#include "datalog/MonitorSample.h"

#include "link/MonitorDecoder.h"

namespace tarvel::datalog {

namespace mon = link::mon;

namespace {

void put16(link::LinkFrame& f, int at, std::uint16_t v)
{
    f.bytes[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(v & 0xFF);
    f.bytes[static_cast<std::size_t>(at) + 1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

MonitorSample MonitorSample::fromFrame(link::BlockView f)
{
    auto byte = [&](int at) { return f[static_cast<std::size_t>(at)]; };
    auto on = [&](int at) { return f[static_cast<std::size_t>(at)] != 0; };
    MonitorSample s;
    s.rpm = link::u16At(f, mon::rpm);
    s.tpsPercent = byte(mon::tpsPercent);
    s.tpsMv = link::u16At(f, mon::tpsMv);
    s.supplyMv = link::u16At(f, mon::supplyMv);
    s.lambdaMv = link::u16At(f, mon::lambdaMv);
    s.servoMeasuredMv = link::u16At(f, mon::servoMeasuredMv);
    s.servoDesiredMv = link::u16At(f, mon::servoDesiredMv);
    s.potak = link::u16At(f, mon::potak);
    s.n2oPercent = byte(mon::n2oPercent);
    s.retard = byte(mon::retard);
    for (int c = 0; c < 4; ++c) {
        s.advance[static_cast<std::size_t>(c)] = byte(mon::advance + c);
        s.maxAdvance[static_cast<std::size_t>(c)] = link::u16At(f, mon::maxAdvance + 2 * c);
    }
    s.startLimiterRpm = link::u16At(f, mon::startLimiterRpm);
    s.saveCount = link::u16At(f, mon::saveCount);
    s.programCount = link::u16At(f, mon::programCount);
    for (int i = 0; i < 6; ++i)
        s.inputs[static_cast<std::size_t>(i)] = on(mon::inStartLimiter + i);
    for (int i = 0; i < 8; ++i)
        s.outputs[static_cast<std::size_t>(i)] = on(mon::outLimiter + i);
    s.pickup = {on(mon::pickup1), on(mon::pickup2)};
    s.tpsError = on(mon::tpsError);
    s.servoOk = on(mon::servoOk);
    s.dataError = on(mon::dataError);
    s.formatVersion = byte(mon::formatVersion);
    for (int i = 0; i < 8; ++i)
        s.test[static_cast<std::size_t>(i)] = link::u16At(f, mon::test + 2 * i);
    s.checkA = {byte(mon::checkA), byte(mon::checkA + 1)};
    s.checkB = {byte(mon::checkB), byte(mon::checkB + 1)};
    return s;
}

link::LinkFrame MonitorSample::toFrame() const
{
    link::LinkFrame f;
    f.bytes[0] = link::kMonitorReply;
    auto set = [&](int at, std::uint8_t v) { f.bytes[static_cast<std::size_t>(at)] = v; };
    put16(f, mon::rpm, rpm);
    set(mon::tpsPercent, tpsPercent);
    put16(f, mon::tpsMv, tpsMv);
    put16(f, mon::supplyMv, supplyMv);
    put16(f, mon::lambdaMv, lambdaMv);
    put16(f, mon::servoMeasuredMv, servoMeasuredMv);
    put16(f, mon::servoDesiredMv, servoDesiredMv);
    put16(f, mon::potak, potak);
    set(mon::n2oPercent, n2oPercent);
    set(mon::retard, retard);
    for (int c = 0; c < 4; ++c) {
        set(mon::advance + c, advance[static_cast<std::size_t>(c)]);
        put16(f, mon::maxAdvance + 2 * c, maxAdvance[static_cast<std::size_t>(c)]);
    }
    put16(f, mon::startLimiterRpm, startLimiterRpm);
    put16(f, mon::saveCount, saveCount);
    put16(f, mon::programCount, programCount);
    for (int i = 0; i < 6; ++i)
        set(mon::inStartLimiter + i, inputs[static_cast<std::size_t>(i)] ? 1 : 0);
    for (int i = 0; i < 8; ++i)
        set(mon::outLimiter + i, outputs[static_cast<std::size_t>(i)] ? 1 : 0);
    set(mon::pickup1, pickup[0] ? 1 : 0);
    set(mon::pickup2, pickup[1] ? 1 : 0);
    set(mon::tpsError, tpsError ? 1 : 0);
    set(mon::servoOk, servoOk ? 1 : 0);
    set(mon::dataError, dataError ? 1 : 0);
    set(mon::formatVersion, formatVersion);
    for (int i = 0; i < 8; ++i)
        put16(f, mon::test + 2 * i, test[static_cast<std::size_t>(i)]);
    set(mon::checkA, checkA[0]);
    set(mon::checkA + 1, checkA[1]);
    set(mon::checkB, checkB[0]);
    set(mon::checkB + 1, checkB[1]);
    f.seal();
    return f;
}

}  // namespace tarvel::datalog
