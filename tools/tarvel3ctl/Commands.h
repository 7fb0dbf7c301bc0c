// The commands of tarvel3ctl. Each takes the arguments after its name and
// returns the exit status: 0 success, 1 a failed operation, 2 a usage error,
// 3 (program) the unit had not finished saving when the command ended.
#pragma once

#include <string>
#include <vector>

namespace tarvel::ctl {

using Args = std::vector<std::string>;

inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;
inline constexpr int kStillSaving = 3;

// Parameter files (FileCommands.cpp).
int cmdDefaults(const Args& args);
int cmdNormalise(const Args& args);

// Two parameter sets compared (DiffCommand.cpp); exit status as diff(1).
int cmdDiff(const Args& args);

// The unit on a serial line, and the simulated unit (UnitCommands.cpp).
int cmdSimulate(const Args& args);
int cmdRead(const Args& args);
int cmdProgram(const Args& args);
int cmdVerify(const Args& args);
int cmdMonitor(const Args& args);
int cmdLoaderMessage(const Args& args);

// Data logs of the live monitor (LogCommands.cpp).
int cmdLog(const Args& args);

}  // namespace tarvel::ctl
