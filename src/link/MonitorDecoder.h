// Turns an accepted monitor frame (first byte 0xB0) into a typed live sample
// and the live values other parts read: speed and throttle for the operating
// point, the throttle voltage for the calibration capture, the unit's saving
// counter for the "Saving:" progress. What the window makes of a sample is
// decided in the presentation layer.
#pragma once

#include <cstdint>

#include "link/LinkFrame.h"
#include "link/LiveSample.h"
#include "model/Messages.h"
#include "model/ParamImage.h"

namespace tarvel::link {

struct LiveValues {
    std::uint16_t liveRpm = 0;
    std::uint8_t liveTpsPercent = 0;
    std::uint16_t liveTpsMv = 0;
    std::uint16_t unitSaveCount = 0;
};

// Byte positions in the monitor frame.
namespace mon {
inline constexpr int rpm = 1;
inline constexpr int tpsMv = 3;
inline constexpr int supplyMv = 5;
inline constexpr int servoMeasuredMv = 7;
inline constexpr int servoDesiredMv = 9;
inline constexpr int potak = 11;
inline constexpr int lambdaMv = 13;
inline constexpr int programCount = 15;
inline constexpr int test = 17;  // [8] x uint16
inline constexpr int startLimiterRpm = 33;
inline constexpr int saveCount = 35;
inline constexpr int inStartLimiter = 50;
inline constexpr int inTachoLambda = 51;
inline constexpr int inClutch = 52;
inline constexpr int inBlock1 = 53;
inline constexpr int inBlock2 = 54;
inline constexpr int inN2o = 55;
inline constexpr int outLimiter = 56;
inline constexpr int outShiftLight = 57;
inline constexpr int outStartLimiter = 58;
inline constexpr int outTacho = 59;
inline constexpr int outClutch = 60;
inline constexpr int outBlock1 = 61;
inline constexpr int outBlock2 = 62;
inline constexpr int outN2o = 63;
inline constexpr int n2oPercent = 64;
inline constexpr int retard = 65;
inline constexpr int pickup1 = 66;
inline constexpr int pickup2 = 67;
inline constexpr int tpsPercent = 68;
inline constexpr int tpsError = 69;
inline constexpr int servoOk = 70;
inline constexpr int checkA = 71;      // [2]
inline constexpr int checkB = 73;      // [2]
inline constexpr int advance = 80;     // [4], degrees + 100
inline constexpr int maxAdvance = 84;  // [4] x uint16
inline constexpr int dataError = 99;
inline constexpr int formatVersion = 100;
}  // namespace mon

inline std::uint16_t u16At(BlockView frame, int at)
{
    return static_cast<std::uint16_t>(frame[static_cast<std::size_t>(at)] |
                                      (frame[static_cast<std::size_t>(at) + 1] << 8));
}

class MonitorDecoder {
public:
    // Returns false, touching nothing, when the frame fails the check.
    bool decode(BlockView frame);

    const LiveValues& values() const { return values_; }
    const LiveSample& sample() const { return sample_; }

private:
    LiveValues values_;
    LiveSample sample_;
};

}  // namespace tarvel::link
