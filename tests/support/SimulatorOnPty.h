// The simulated unit on a pseudo-terminal, answering on a thread of its own
// from start() until halt() or until the object goes, also when a test stops
// at an assertion. For the tests that link tarvel_sim.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "link/PtySimulator.h"

class SimulatorOnPty {
public:
    explicit SimulatorOnPty(tarvel::link::SimulatedUnitOptions options = {}) : simulator_(options) {}
    ~SimulatorOnPty() { halt(); }
    SimulatorOnPty(const SimulatorOnPty&) = delete;
    SimulatorOnPty& operator=(const SimulatorOnPty&) = delete;

    // Opens the pseudo-terminal and starts answering; false, with error(),
    // when there is no pseudo-terminal to be had.
    bool start()
    {
        if (!simulator_.open(&error_))
            return false;
        line_ = std::thread([this] { simulator_.run(stop_); });
        return true;
    }
    // Stops answering; the unit keeps what it stored.
    void halt()
    {
        stop_ = true;
        if (line_.joinable())
            line_.join();
    }

    bool running() const { return line_.joinable(); }
    const std::string& error() const { return error_; }
    // The device path a serial port opens to reach the unit.
    const std::string& path() const { return simulator_.slavePath(); }
    // The unit itself: set it up before start(), look at it after halt().
    tarvel::link::SimulatedUnit& unit() { return simulator_.unit(); }

private:
    tarvel::link::PtySimulator simulator_;
    std::string error_;
    std::atomic<bool> stop_{false};
    std::thread line_;
};
