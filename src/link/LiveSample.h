// One monitor frame as typed numbers and flags, before anything is made of it
// for the eye: what the window shows live, what a data log records per frame
// and what a replay hands back. fromFrame() reads an accepted frame; toFrame()
// builds the frame that says the same, so a replay can go through the same
// decoder as live data.
#pragma once

#include <array>
#include <cstdint>

#include "link/LinkFrame.h"

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
    std::uint16_t potak = 0;  // the value of the gauge CGaugePotak
    std::uint16_t lambdaMv = 0;
    std::uint16_t programCount = 0;
    std::array<std::uint16_t, 8> test{};
    std::uint16_t startLimiterRpm = 0;
    std::uint16_t saveCount = 0;
    std::uint8_t n2oPercent = 0;
    std::uint8_t retard = 0;  // degrees

    // Switch inputs, in the order of the live column and of the frame
    // (true = grounded).
    bool inStartLimiter = false, inTachoLambda = false, inClutch = false;
    bool inBlock1 = false, inBlock2 = false, inN2o = false;
    // Outputs, in frame order (outTacho: true = tachometer, false = lambda).
    bool outLimiter = false, outShiftLight = false, outStartLimiter = false, outTacho = false;
    bool outClutch = false, outBlock1 = false, outBlock2 = false, outN2o = false;

    std::array<bool, 2> pickup{};                 // a signal on pick-up 1, 2
    std::array<std::uint8_t, 2> checkA{};         // pick-up check counters a1, a2
    std::array<std::uint8_t, 2> checkB{};         // b1, b2
    std::array<std::int16_t, 4> advance{};        // degrees per channel (the frame sends degrees + 100)
    std::array<std::uint16_t, 4> maxAdvance{};    // 0: the unit reports none
    bool dataError = false;
    std::uint8_t formatVersion = 0;

    // The frame need not pass its check; the caller has accepted it.
    static LiveSample fromFrame(BlockView frame);
    // A sealed monitor frame with these values (flags as 1, unused bytes 0).
    LinkFrame toFrame() const;

    bool operator==(const LiveSample&) const = default;
};

}  // namespace tarvel::link
