// The tab-separated text log: quoted info lines, a line of field names with
// "Time" first, a line of units, one line per record (a dot as the decimal
// point whatever the locale), and "MARK nnn" with an optional text for a
// marker.
#pragma once

#include <string_view>

#include "datalog/DataLog.h"
#include "datalog/LogEncoder.h"

namespace tarvel::datalog {

class MslEncoder : public LogEncoder {
public:
    bool header(std::string& out, const LogHeader& header, std::string& error) override;
    void record(std::string& out, std::span<const std::uint8_t> raw, std::uint64_t elapsedUs) override;
    void marker(std::string& out, std::string_view text, std::uint64_t elapsedUs) override;
};

// Reads a text log line by line, so that a large file needs no copy in
// memory. A log whose field names are those of a monitor log gets the
// monitor fields' types; any other log keeps its values as float32 (the
// time in ms). A line that does not parse is skipped and counted; a last
// line without its line end is taken as cut short and not read.
class MslReader {
public:
    // One line without its line end; `offset` is where the next line starts.
    void line(std::string_view text, std::uint64_t offset);
    // `rest` is what followed the last line end (empty for a whole file).
    DataLog finish(std::string_view rest, std::uint64_t fileSize);

private:
    void fieldsLine(std::string_view text);
    void unitsLine(std::string_view text);
    void recordLine(std::string_view text, std::uint64_t offset);

    enum class Stage { Info, Units, Records, Failed } stage_ = Stage::Info;
    DataLog log_;
    std::vector<std::string> names_;
    bool monitorLayout_ = false;
    std::vector<std::uint8_t> record_;
    std::vector<std::string_view> cells_;
    std::vector<int> decimals_;
    std::size_t lineNumber_ = 0;
    std::size_t firstBadLine_ = 0;
    std::uint64_t goodEnd_ = 0;
    std::string failure_;
};

DataLog readMsl(std::string_view text);

}  // namespace tarvel::datalog
