#include "link/MonitorDecoder.h"

namespace tarvel::link {

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
