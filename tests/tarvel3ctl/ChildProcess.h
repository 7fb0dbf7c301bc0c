// Runs a program as a child with its standard output and error captured, for
// the end-to-end tests of tarvel3ctl. Every wait has a deadline; a child that
// outlives its test is killed by its own pid.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace tarvel::ctl::test {

class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }

    // The first line of standard output, waiting at most `limit`.
    std::optional<std::string> firstLine(std::chrono::milliseconds limit);
    // Waits until standard output contains `text`.
    bool waitForOutput(const std::string& text, std::chrono::milliseconds limit);
    // The exit status, or nothing when the child did not end in time (it is then killed).
    std::optional<int> wait(std::chrono::milliseconds limit);
    void signal(int sig);

    const std::string& out() const { return out_; }
    const std::string& err() const { return err_; }

private:
    // Moves whatever the pipes hold into out_ and err_, waiting up to `ms`.
    void pump(int ms);

    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    std::string out_;
    std::string err_;
    std::optional<int> status_;
};

}  // namespace tarvel::ctl::test
