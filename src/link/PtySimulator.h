// Puts the simulated unit on a pseudo-terminal: a client opens slavePath()
// like any serial device. The simulator keeps a handle on the slave side
// itself, so the terminal survives clients closing and reopening it, and it
// sleeps in poll() while nobody talks to it.
#pragma once

#include <atomic>
#include <string>

#include "link/SimulatedUnit.h"

namespace tarvel::link {

class PtySimulator {
public:
    explicit PtySimulator(SimulatedUnitOptions options = {});
    ~PtySimulator();
    PtySimulator(const PtySimulator&) = delete;
    PtySimulator& operator=(const PtySimulator&) = delete;

    // Creates the pseudo-terminal; false with a reason.
    bool open(std::string* error = nullptr);
    const std::string& slavePath() const { return slavePath_; }

    // Answers requests until `stop` is set (looked at least every 100 ms).
    void run(const std::atomic<bool>& stop);

    SimulatedUnit& unit() { return unit_; }

private:
    SimulatedUnit unit_;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

}  // namespace tarvel::link
