// tarvel3ctl run as a user runs it, with its status and both outputs.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tarvel::ctl::test {

extern const std::string kCtl;  // the tool under test
// Far beyond any operation, for a loaded machine; a command still running
// then is killed and counts as a failure.
inline constexpr std::chrono::seconds kDeadline{30};

struct CtlResult {
    int status = -1;  // -1: killed at the deadline or by a signal
    std::string out, err;
};

// tarvel3ctl with `args`, to its end.
CtlResult runCtl(std::vector<std::string> args);
// The same with the words of `line` (split at blanks: no word may hold one).
CtlResult runCtlLine(const std::string& line);

}  // namespace tarvel::ctl::test
