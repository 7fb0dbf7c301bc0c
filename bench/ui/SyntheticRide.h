// A made-up ride for the chart and replay figures and pictures: the speed
// sweeps up and down, the throttle follows, the advance follows the speed.
#pragma once

#include <chrono>
#include <cmath>
#include <string>

#include "datalog/DataLogRecorder.h"

namespace tarvel::bench {

// Writes `count` records 55 ms apart into `path` (.mlg or .msl).
inline bool writeSyntheticRide(const std::string& path, std::size_t count)
{
    datalog::DataLogRecorder recorder;
    const auto start = datalog::DataLogRecorder::Clock::time_point{} + std::chrono::hours(1);
    if (!recorder.open(path, start))
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = 0.055 * static_cast<double>(i);
        const double sweep = 0.5 - 0.5 * std::cos(t / 6.0);  // 0..1, about 38 s a cycle
        link::LiveSample s;
        s.rpm = static_cast<std::uint16_t>(1200 + 10800 * sweep + 60 * std::sin(t * 7));
        s.tpsPercent = static_cast<std::uint8_t>(std::clamp(100 * sweep + 8 * std::sin(t), 0.0, 100.0));
        s.tpsMv = static_cast<std::uint16_t>(450 + 40 * s.tpsPercent);
        s.supplyMv = static_cast<std::uint16_t>(13800 + 150 * std::sin(t / 3));
        s.lambdaMv = static_cast<std::uint16_t>(450 + 350 * std::sin(t * 2));
        s.servoMeasuredMv = static_cast<std::uint16_t>(1000 + 2000 * sweep);
        s.servoDesiredMv = static_cast<std::uint16_t>(1020 + 2000 * sweep);
        const auto adv = static_cast<std::int16_t>(8 + 26 * sweep);
        s.advance = {adv, adv, adv, adv};
        s.pickup = {true, true};
        s.servoOk = true;
        s.formatVersion = kParamVersion;
        s.outTacho = true;
        s.outShiftLight = s.rpm > 11000;
        link::OperatingPoint op;
        if (!recorder.record(s, op, start + std::chrono::milliseconds(55 * i)))
            return false;
        if (i % 2000 == 1000)
            recorder.mark("lap", start + std::chrono::milliseconds(55 * i));
    }
    return recorder.close();
}

}  // namespace tarvel::bench
