// The fields of a monitor log, in record order, and the moves between a
// packed record and a MonitorRecord (time, sample, operating point). One table
// drives both directions, so what is written is what reads back.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "datalog/LogField.h"
#include "link/LiveSample.h"
#include "link/OperatingPoint.h"

namespace tarvel::datalog {

class DataLog;

struct MonitorRecord {
    double time = 0;  // seconds since the start of the log
    link::LiveSample sample;
    link::OperatingPoint op;
};

// "Time" first, in milliseconds (shown in s with three decimals).
const std::vector<LogField>& monitorFields();
std::size_t monitorRecordLength();

// Packs one record; `out` holds monitorRecordLength() bytes.
void packMonitorRecord(std::uint32_t timeMs, const link::LiveSample& sample, const link::OperatingPoint& op,
                       std::span<std::uint8_t> out);

// Reads the records of any log as MonitorRecords: each monitor field is
// found in the log by name; a field the log lacks reads as 0.
class MonitorLogView {
public:
    explicit MonitorLogView(const DataLog& log);
    // Every monitor field is in the log.
    bool complete() const { return missing_ == 0; }
    std::size_t missingFields() const { return missing_; }
    std::size_t size() const;
    MonitorRecord record(std::size_t index) const;

private:
    const DataLog& log_;
    std::vector<std::optional<std::size_t>> columns_;  // per monitor field
    std::size_t missing_ = 0;
};

}  // namespace tarvel::datalog
