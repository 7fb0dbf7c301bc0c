// Turns a log's header, records and markers into the bytes of one file
// format. Encoders do no I/O: the recorder appends what they produce to its
// file record by record, the export writes it through a SafeFileWriter.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datalog/LogField.h"

namespace tarvel::datalog {

enum class LogFormat { Mlg, Msl, Csv };

// By the file's extension (.mlg, .msl, .csv, any case).
std::optional<LogFormat> formatOfPath(std::string_view path);
const char* formatName(LogFormat format);

struct LogHeader {
    std::vector<LogField> fields;  // "Time" first
    std::vector<std::string> info;  // program and version, "Capture Date: ..."
    std::int64_t startUnixTime = 0;
};

class LogEncoder {
public:
    virtual ~LogEncoder() = default;
    static std::unique_ptr<LogEncoder> create(LogFormat format);

    // False, with the reason in `error`, when the format cannot hold the fields.
    virtual bool header(std::string& out, const LogHeader& header, std::string& error) = 0;
    // `raw` is one packed record; elapsedUs the time since the start of the log.
    virtual void record(std::string& out, std::span<const std::uint8_t> raw, std::uint64_t elapsedUs) = 0;
    // Markers are numbered from 1 by the encoder. A format without markers writes nothing.
    virtual void marker(std::string& out, std::string_view text, std::uint64_t elapsedUs) = 0;

protected:
    std::vector<LogField> fields_;
    std::size_t markerCount_ = 0;
};

// Tabs and line ends become blanks, so that a text stays on its line and in its column.
std::string oneLine(std::string_view text);

}  // namespace tarvel::datalog
