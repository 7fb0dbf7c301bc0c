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
    sample_ = LiveSample::fromFrame(f);
    values_.liveRpm = sample_.rpm;
    values_.liveTpsPercent = sample_.tpsPercent;
    values_.liveTpsMv = sample_.tpsMv;
    values_.unitSaveCount = sample_.saveCount;
    return true;
}

}  // namespace tarvel::link
