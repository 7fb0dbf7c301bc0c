// Opening a log file and writing a log to another file, the format chosen by
// the extension (.mlg or .msl to read; .mlg, .msl or .csv to write).
#pragma once

#include <string>

#include "datalog/DataLog.h"

namespace tarvel::datalog {

// report.opened tells whether anything was read; report.message says why not
// or how much was read of a damaged file.
DataLog readLogFile(const std::string& path);

// Writes the whole log, replacing `path` only once it is complete. False,
// with the reason in `error`, on failure.
bool writeLogFile(const DataLog& log, const std::string& path, std::string& error);

}  // namespace tarvel::datalog
