#include "link/MonitorDecoder.h"

#include <cstdio>

namespace tarvel::link {

std::string versionMismatchText(const MessageTable& messages, int unitVersion)
{
    char tail[48];
    std::snprintf(tail, sizeof tail, "  PC-%d, IGN-%d", kParamVersion, unitVersion);
    return messages[Msg::UnmatchedVersion] + tail;
}

bool MonitorDecoder::decode(BlockView f)
{
    if (!frameCheckGood(f))
        return false;
    auto on = [&](int at) { return f[static_cast<std::size_t>(at)] != 0; };
    auto byte = [&](int at) { return f[static_cast<std::size_t>(at)]; };

    LiveSample s;
    s.rpm = u16At(f, mon::rpm);
    s.tpsMv = u16At(f, mon::tpsMv);
    s.tpsPercent = byte(mon::tpsPercent);
    s.tpsError = on(mon::tpsError);
    s.supplyMv = u16At(f, mon::supplyMv);
    s.servoMeasuredMv = u16At(f, mon::servoMeasuredMv);
    s.servoDesiredMv = u16At(f, mon::servoDesiredMv);
    s.servoOk = on(mon::servoOk);
    s.potak = u16At(f, mon::potak);
    s.lambdaMv = u16At(f, mon::lambdaMv);
    s.programCount = u16At(f, mon::programCount);
    for (int i = 0; i < 8; ++i)
        s.test[static_cast<std::size_t>(i)] = u16At(f, mon::test + 2 * i);
    s.startLimiterRpm = u16At(f, mon::startLimiterRpm);
    s.saveCount = u16At(f, mon::saveCount);
    s.n2oPercent = byte(mon::n2oPercent);
    s.retard = byte(mon::retard);
    s.inStartLimiter = on(mon::inStartLimiter);
    s.inTachoLambda = on(mon::inTachoLambda);
    s.inClutch = on(mon::inClutch);
    s.inBlock1 = on(mon::inBlock1);
    s.inBlock2 = on(mon::inBlock2);
    s.inN2o = on(mon::inN2o);
    s.outLimiter = on(mon::outLimiter);
    s.outShiftLight = on(mon::outShiftLight);
    s.outStartLimiter = on(mon::outStartLimiter);
    s.outTacho = on(mon::outTacho);
    s.outClutch = on(mon::outClutch);
    s.outBlock1 = on(mon::outBlock1);
    s.outBlock2 = on(mon::outBlock2);
    s.outN2o = on(mon::outN2o);
    for (std::size_t p = 0; p < 2; ++p) {
        s.pickup[p] = on(mon::pickup1 + static_cast<int>(p));
        s.checkA[p] = byte(mon::checkA + static_cast<int>(p));
        s.checkB[p] = byte(mon::checkB + static_cast<int>(p));
    }
    for (std::size_t c = 0; c < 4; ++c) {
        s.advance[c] = static_cast<std::int16_t>(byte(mon::advance + static_cast<int>(c)) - 100);
        s.maxAdvance[c] = u16At(f, mon::maxAdvance + 2 * static_cast<int>(c));
    }
    s.dataError = on(mon::dataError);
    s.formatVersion = byte(mon::formatVersion);
    sample_ = s;

    values_.liveRpm = s.rpm;
    values_.liveTpsPercent = s.tpsPercent;
    values_.liveTpsMv = s.tpsMv;
    values_.unitSaveCount = s.saveCount;
    return true;
}

}  // namespace tarvel::link
