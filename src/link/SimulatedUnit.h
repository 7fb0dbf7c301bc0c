// A simulated ignition unit: answers every request frame the way the real
// unit does, from its own stored pages (starting from the program's start-up
// image, StartupImage),
// and sends live data that moves: the engine speed sweeps through the advance
// map, the throttle opens and closes, the outputs switch at their speeds, the
// programming count rises with each programming and the saving counter runs
// 414 -> 0 afterwards. Fault switches make it misbehave on purpose.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "link/IdentPage.h"
#include "link/LinkFrame.h"
#include "model/ParamImage.h"

namespace tarvel::link {

struct SimulatedUnitOptions {
    int formatVersion = kParamVersion;  // reported in the identification page and the live data
    bool readingPermitted = true;       // false: the identification page forbids reading
    int dropEvery = 0;                  // ignore every Nth request (0: never)
    int corruptEvery = 0;               // flip a bit in every Nth answer (0: never)
    bool noise = false;                 // stray bytes before every third answer
    int delayMs = 0;                    // how late answers go out (applied by the line runner)
    int saveMs = 1500;                  // how long the saving after a programming lasts
    bool dataError = false;             // the live data reports a programmed data error
    // The engine held at one speed and throttle instead of sweeping (-1: sweeps).
    int heldRpm = -1;
    int heldTpsMv = -1;
};

class SimulatedUnit {
public:
    explicit SimulatedUnit(SimulatedUnitOptions options = {});

    // Bytes as they arrive on the line at time nowMs; returns what the unit
    // sends back (answers, and with noise stray bytes). A request is 102
    // bytes; a partial request older than a frame gap is dropped, so the unit
    // finds the start of the next request again.
    std::vector<std::uint8_t> receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs);

    // The answer to one whole request, or nothing when the request is
    // dropped or makes no sense to the unit.
    std::vector<std::uint8_t> answer(BlockView request, std::int64_t nowMs);

    const ParamImage& stored() const { return stored_; }
    ParamImage& stored() { return stored_; }
    IdentPage identPage() const;
    std::uint16_t programCount() const { return programCount_; }
    const SimulatedUnitOptions& options() const { return options_; }
    SimulatedUnitOptions& options() { return options_; }
    int requestsSeen() const { return requests_; }
    int answersSent() const { return answers_; }

    // The live-data frame at time nowMs.
    LinkFrame monitorFrame(std::int64_t nowMs) const;

    // The image a fresh program starts with, which the unit also starts
    // with: bike 20 (Yamaha R6), its keying preset over the default set,
    // normalised.
    static ParamImage startupImage();

private:
    SimulatedUnitOptions options_;
    ParamImage stored_;
    std::uint16_t programCount_ = 0;
    std::int64_t saveStartMs_ = -1;
    int requests_ = 0;
    int answers_ = 0;
    std::vector<std::uint8_t> partial_;
    std::int64_t partialSinceMs_ = 0;
};

}  // namespace tarvel::link
