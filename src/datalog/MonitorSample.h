// Everything an accepted monitor frame says, as typed numbers and flags: what
// a data log records per frame and what a replay hands back. toFrame() builds
// the monitor frame that says the same, so a replay can go through the same
// decoder as live data.
#pragma once

#include <array>
#include <cstdint>

#include "link/LinkFrame.h"

namespace tarvel::datalog {

struct MonitorSample {
    std::uint16_t rpm = 0;
    std::uint8_t tpsPercent = 0;
    std::uint16_t tpsMv = 0;
    std::uint16_t supplyMv = 0;
    std::uint16_t lambdaMv = 0;
    std::uint16_t servoMeasuredMv = 0;
    std::uint16_t servoDesiredMv = 0;
    std::uint16_t potak = 0;  // the value of the gauge CGaugePotak
    std::uint8_t n2oPercent = 0;
    std::uint8_t retard = 0;                   // degrees
    std::array<std::uint8_t, 4> advance{};     // degrees + 100, as sent
    std::array<std::uint16_t, 4> maxAdvance{};  // degrees, 0 = none reported
    std::uint16_t startLimiterRpm = 0;
    std::uint16_t saveCount = 0;
    std::uint16_t programCount = 0;
    // Inputs in frame order: start limiter, tacho/lambda, clutch master,
    // motor off 1, motor off 2, N2O (true = grounded).
    std::array<bool, 6> inputs{};
    // Outputs in frame order: limiter, shift light, start limiter, tacho
    // (true = tachometer, false = lambda), clutch master, motor off 1, motor
    // off 2, N2O.
    std::array<bool, 8> outputs{};
    std::array<bool, 2> pickup{};  // pick-up 1 and 2 have a signal
    bool tpsError = false;
    bool servoOk = false;
    bool dataError = false;
    std::uint8_t formatVersion = 0;
    std::array<std::uint16_t, 8> test{};
    // Pick-up check values a1, a2, b1, b2: the decoder judges a pick-up
    // system error from them.
    std::array<std::uint8_t, 2> checkA{};
    std::array<std::uint8_t, 2> checkB{};

    int advanceDegrees(int channel) const { return static_cast<int>(advance[static_cast<std::size_t>(channel)]) - 100; }

    // The frame need not pass its check; the caller has accepted it.
    static MonitorSample fromFrame(link::BlockView frame);
    // A sealed 0xB0 frame with these values (flags as 1, unused bytes 0).
    link::LinkFrame toFrame() const;

    bool operator==(const MonitorSample&) const = default;
};

}  // namespace tarvel::datalog
