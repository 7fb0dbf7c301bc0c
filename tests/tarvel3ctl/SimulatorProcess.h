// `tarvel3ctl simulate` as a child on a pseudo-terminal, for the end-to-end
// tests: path() is the terminal a client opens, empty when the simulator did
// not say it in time. Ended with SIGTERM when the object goes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace tarvel::ctl::test {

class SimulatorProcess {
public:
    // `switches`: the simulator's fault switches ("--corrupt-every", "5", ...).
    explicit SimulatorProcess(const std::vector<std::string>& switches = {});
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    const std::string& path() const { return path_; }
    ChildProcess& process() { return *process_; }

private:
    std::unique_ptr<ChildProcess> process_;
    std::string path_;
};

}  // namespace tarvel::ctl::test
