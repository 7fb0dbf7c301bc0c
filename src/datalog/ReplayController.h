// Plays a monitor log back: a position (a record index), play and pause, a
// step forward or back, and a speed of 1x, 2x, 4x or 8x. It owns no timer:
// the window calls tick() with the time of its own timer, and the controller
// moves the position to the record the log had reached by then. What to show
// is current(): the record's sample (toFrame() gives the frame for the same
// decoder as live data) and its time.
//
//   ReplayController replay(readLogFile("ride.mlg"));
//   replay.play(now);  ...  if (replay.tick(now)) show(replay.current());
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "datalog/DataLog.h"
#include "datalog/MonitorLayout.h"

namespace tarvel::datalog {

class ReplayController {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kSpeeds[] = {1, 2, 4, 8};

    explicit ReplayController(DataLog log);
    ReplayController(const ReplayController&) = delete;
    ReplayController& operator=(const ReplayController&) = delete;

    const DataLog& log() const { return *log_; }
    std::size_t size() const { return log_->recordCount(); }
    bool empty() const { return size() == 0; }

    std::size_t position() const { return position_; }
    // Seconds since the first record, of the record shown.
    double elapsed() const;
    double duration() const { return log_->duration(); }
    bool atEnd() const { return empty() || position_ + 1 >= size(); }

    bool playing() const { return playing_; }
    // From the end, playing starts again at the first record.
    void play(Clock::time_point now);
    void pause() { playing_ = false; }
    void togglePlay(Clock::time_point now);
    // Pauses and moves by `records` (negative: back), within the log.
    void step(long records);
    // Keeps playing or paused as it was; a playing replay goes on from there.
    void seek(std::size_t index, Clock::time_point now = Clock::now());
    // The last record at or before `seconds` since the first record.
    void seekTime(double seconds, Clock::time_point now = Clock::now());

    int speed() const { return speed_; }
    // 1, 2, 4 or 8; other values are ignored (false).
    bool setSpeed(int speed, Clock::time_point now = Clock::now());

    // Moves a playing replay to where the log was `speed` times the time since
    // play() later; stops at the last record. True when the position changed.
    bool tick(Clock::time_point now);

    // The record at the position; a default record for an empty log.
    MonitorRecord current() const;
    // Bumped whenever the position, play state or speed changed.
    std::uint32_t revision() const { return revision_; }

private:
    void anchor(Clock::time_point now);
    void moveTo(std::size_t index);

    std::unique_ptr<DataLog> log_;  // the view below points into it
    MonitorLogView view_;
    std::size_t position_ = 0;
    bool playing_ = false;
    int speed_ = 1;
    Clock::time_point wallAnchor_{};
    double logAnchor_ = 0;  // log time at wallAnchor_
    std::uint32_t revision_ = 0;
};

}  // namespace tarvel::datalog
