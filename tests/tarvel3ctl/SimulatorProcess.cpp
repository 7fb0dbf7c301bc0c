#include "SimulatorProcess.h"

#include <csignal>

#include "CtlRun.h"

namespace tarvel::ctl::test {

SimulatorProcess::SimulatorProcess(const std::vector<std::string>& switches)
{
    std::vector<std::string> argv{kCtl, "simulate"};
    argv.insert(argv.end(), switches.begin(), switches.end());
    process_ = std::make_unique<ChildProcess>(argv);
    if (auto line = process_->firstLine(kDeadline))
        path_ = *line;
}

SimulatorProcess::~SimulatorProcess()
{
    process_->signal(SIGTERM);
    process_->wait(kDeadline);
}

}  // namespace tarvel::ctl::test
