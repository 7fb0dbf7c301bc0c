#include "datalog/ReplayController.h"

#include <algorithm>

namespace tarvel::datalog {

ReplayController::ReplayController(DataLog log)
    : log_(std::make_unique<DataLog>(std::move(log))), view_(*log_)
{
}

double ReplayController::elapsed() const
{
    return empty() ? 0 : log_->time(position_) - log_->time(0);
}

void ReplayController::anchor(Clock::time_point now)
{
    wallAnchor_ = now;
    logAnchor_ = empty() ? 0 : log_->time(position_);
}

void ReplayController::moveTo(std::size_t index)
{
    index = empty() ? 0 : std::min(index, size() - 1);
    if (index != position_) {
        position_ = index;
        ++revision_;
    }
}

void ReplayController::play(Clock::time_point now)
{
    if (empty())
        return;
    if (atEnd())
        moveTo(0);
    playing_ = true;
    anchor(now);
    ++revision_;
}

void ReplayController::togglePlay(Clock::time_point now)
{
    if (playing_) {
        pause();
        ++revision_;
    } else {
        play(now);
    }
}

void ReplayController::step(long records)
{
    if (playing_) {
        playing_ = false;
        ++revision_;
    }
    if (empty())
        return;
    const long last = static_cast<long>(size()) - 1;
    moveTo(static_cast<std::size_t>(std::clamp(static_cast<long>(position_) + records, 0L, last)));
}

void ReplayController::seek(std::size_t index, Clock::time_point now)
{
    moveTo(index);
    anchor(now);
}

void ReplayController::seekTime(double seconds, Clock::time_point now)
{
    if (empty())
        return;
    seek(log_->indexAtTime(log_->time(0) + seconds), now);
}

bool ReplayController::setSpeed(int speed, Clock::time_point now)
{
    if (std::find(std::begin(kSpeeds), std::end(kSpeeds), speed) == std::end(kSpeeds))
        return false;
    if (speed != speed_) {
        // The log time reached so far stays; the new speed counts from now.
        if (playing_)
            tick(now);
        speed_ = speed;
        anchor(now);
        ++revision_;
    }
    return true;
}

bool ReplayController::tick(Clock::time_point now)
{
    if (!playing_ || empty())
        return false;
    const double wall = std::chrono::duration<double>(now - wallAnchor_).count();
    // Log times are stored in whole milliseconds and scaled as a float: a
    // tenth of a millisecond more keeps a record due now from waiting a tick.
    const double target = logAnchor_ + std::max(0.0, wall) * speed_ + 1e-4;
    const std::size_t before = position_;
    const std::size_t index = log_->indexAtTime(target);
    if (index > position_)
        moveTo(index);
    if (atEnd()) {
        playing_ = false;
        ++revision_;
    }
    return position_ != before;
}

MonitorRecord ReplayController::current() const
{
    return empty() ? MonitorRecord{} : view_.record(position_);
}

}  // namespace tarvel::datalog
