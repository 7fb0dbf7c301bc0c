// Comma-separated values for spreadsheets: a header row of field names with
// the units in brackets, then one row per record. Markers are not kept.
#pragma once

#include "datalog/LogEncoder.h"

namespace tarvel::datalog {

class CsvEncoder : public LogEncoder {
public:
    bool header(std::string& out, const LogHeader& header, std::string& error) override;
    void record(std::string& out, std::span<const std::uint8_t> raw, std::uint64_t elapsedUs) override;
    void marker(std::string&, std::string_view, std::uint64_t) override {}
};

}  // namespace tarvel::datalog
