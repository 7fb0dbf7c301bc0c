// One monitor frame as typed numbers and flags, before anything is made of it
// for the eye. The decoder fills it from a frame; a replayed log or a test
// may fill it just as well.
#pragma once

#include <array>
#include <cstdint>

namespace tarvel::link {

struct LiveSample {
    std::uint16_t rpm = 0;
    std::uint16_t tpsMv = 0;
    std::uint8_t tpsPercent = 0;
    bool tpsError = false;
    std::uint16_t supplyMv = 0;
    std::uint16_t servoMeasuredMv = 0;
    std::uint16_t servoDesiredMv = 0;
    bool servoOk = false;
    std::uint16_t potak = 0;
    std::uint16_t lambdaMv = 0;
    std::uint16_t programCount = 0;
    std::array<std::uint16_t, 8> test{};
    std::uint16_t startLimiterRpm = 0;
    std::uint16_t saveCount = 0;
    std::uint8_t n2oPercent = 0;
    std::uint8_t retard = 0;

    // Switch inputs, in the order of the live column.
    bool inStartLimiter = false, inTachoLambda = false, inClutch = false;
    bool inBlock1 = false, inBlock2 = false, inN2o = false;
    // Outputs.
    bool outLimiter = false, outShiftLight = false, outStartLimiter = false, outTacho = false;
    bool outClutch = false, outBlock1 = false, outBlock2 = false, outN2o = false;

    std::array<bool, 2> pickup{};                 // a signal on pick-up 1, 2
    std::array<std::uint8_t, 2> checkA{};         // pick-up check counters
    std::array<std::uint8_t, 2> checkB{};
    std::array<std::int16_t, 4> advance{};        // degrees per channel
    std::array<std::uint16_t, 4> maxAdvance{};    // 0: the unit reports none
    bool dataError = false;
    std::uint8_t formatVersion = 0;

    bool operator==(const LiveSample&) const = default;
};

}  // namespace tarvel::link
