// Records accepted monitor frames into a log file as they come: one record
// per frame, written to the file at once (one write per record, no buffer in
// the program), so that a crash or a pulled cable loses at most the record
// being written. The format follows the extension: .mlg or .msl.
//
// From the tick, after a frame was accepted:
//   recorder.record(link.liveSample(), link.operatingPoint());
// A marker: recorder.mark("hill"); frames paused by an operation:
// recorder.noteGap("Read"). A failed write closes the log; error() says why.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "datalog/LogEncoder.h"
#include "datalog/MonitorLayout.h"
#include "link/LiveSample.h"
#include "link/OperatingPoint.h"

namespace tarvel::datalog {

class DataLogRecorder {
public:
    using Clock = std::chrono::steady_clock;

    DataLogRecorder() = default;
    ~DataLogRecorder();
    DataLogRecorder(const DataLogRecorder&) = delete;
    DataLogRecorder& operator=(const DataLogRecorder&) = delete;

    // Creates (or empties) `path` and writes the header. `start` is time 0 of
    // the log; `unixTime` the wall-clock start written into the header.
    bool open(const std::string& path, Clock::time_point start = Clock::now(),
              std::int64_t unixTime = currentUnixTime());
    bool isOpen() const { return fd_ >= 0; }

    bool record(const link::LiveSample& sample, const link::OperatingPoint& op, Clock::time_point at = Clock::now());
    bool mark(std::string_view text = {}, Clock::time_point at = Clock::now());
    // A marker "Gap: <reason>" where frames pause (a Read, Verify, Program).
    bool noteGap(std::string_view reason, Clock::time_point at = Clock::now());
    // Syncs and closes; false when the last writes did not reach the disk.
    bool close();

    const std::string& path() const { return path_; }
    LogFormat format() const { return format_; }
    std::size_t records() const { return records_; }
    std::size_t markers() const { return markers_; }
    // Why the log could not be opened or stopped.
    const std::string& error() const { return error_; }

    // The info lines written at the top: program and version, capture date.
    static std::vector<std::string> infoLines(std::int64_t unixTime);
    static std::int64_t currentUnixTime();

private:
    bool append(std::string_view why);
    std::uint64_t elapsedUs(Clock::time_point at) const;
    void fail(const std::string& what, int errnoValue);

    int fd_ = -1;
    std::string path_;
    LogFormat format_ = LogFormat::Mlg;
    std::unique_ptr<LogEncoder> encoder_;
    Clock::time_point start_{};
    std::string buffer_;
    std::vector<std::uint8_t> packed_;
    std::uint64_t goodSize_ = 0;  // bytes of whole blocks in the file
    std::size_t records_ = 0;
    std::size_t markers_ = 0;
    std::string error_;
};

}  // namespace tarvel::datalog
