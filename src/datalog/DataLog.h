// A data log in memory, whatever file it came from: its fields, its records
// packed back to back as raw values (the compact form of a binary log's
// record blocks, about 80 bytes per monitor record), the markers, the info
// lines, and how the reading went.
//
//   DataLog log = readLogFile("ride.mlg");
//   if (!log.report.opened) ... log.report.message
//   const auto rpm = log.fieldIndex("RPM");
//   std::vector<double> t = log.times(), y = log.channel(*rpm);  // a chart
//   MonitorLogView view(log); view.record(log.indexAtTime(12.5));  // replay
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datalog/LogField.h"

namespace tarvel::datalog {

struct LogMarker {
    std::size_t beforeRecord = 0;  // the number of records written before it
    double time = 0;               // seconds since the start of the log
    std::string text;
};

struct ReadReport {
    bool opened = false;      // the header was good; the records read are there
    bool complete = false;    // read to the end without stopping early
    std::size_t badRecords = 0;  // skipped: wrong sum byte, or a text line that does not parse
    std::uint64_t bytesRead = 0;  // up to the end of the last good block or line
    std::uint64_t fileSize = 0;
    std::string message;  // empty when all went well
};

class DataLog {
public:
    std::vector<std::string> info;  // program and version, "Capture Date: ..."
    std::int64_t startUnixTime = 0;
    std::vector<LogMarker> markers;
    ReadReport report;

    // Replaces the fields (and drops all records); sets their offsets.
    void setFields(std::vector<LogField> fields);
    const std::vector<LogField>& fields() const { return fields_; }
    std::optional<std::size_t> fieldIndex(std::string_view name) const;
    std::size_t recordLength() const { return recordLength_; }
    // Only the shown decimals; the records stay as they are.
    void setFieldDigits(std::size_t field, std::int8_t digits) { fields_[field].digits = digits; }

    // `raw` holds recordLength() bytes; the first field is the time.
    void appendRecord(std::span<const std::uint8_t> raw);
    void reserve(std::size_t records);
    std::size_t recordCount() const { return times_.size(); }
    std::span<const std::uint8_t> rawRecord(std::size_t index) const
    {
        return {data_.data() + index * recordLength_, recordLength_};
    }

    // Seconds since the start; the shown value of the first field.
    double time(std::size_t index) const { return times_[index]; }
    const std::vector<double>& times() const { return times_; }
    double duration() const { return times_.empty() ? 0 : times_.back() - times_.front(); }
    double value(std::size_t index, std::size_t field) const
    {
        return fields_[field].shown(data_.data() + index * recordLength_);
    }
    // All shown values of one field, for a chart.
    std::vector<double> channel(std::size_t field) const;
    // The last record at or before `seconds` (0 when the log starts later);
    // times are taken to rise.
    std::size_t indexAtTime(double seconds) const;

    // Bytes held, for the memory figure.
    std::size_t memoryBytes() const;

private:
    std::vector<LogField> fields_;
    std::size_t recordLength_ = 0;
    std::vector<std::uint8_t> data_;
    std::vector<double> times_;
};

}  // namespace tarvel::datalog
