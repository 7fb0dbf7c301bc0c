#include "AutosaveScheduler.h"

#include <utility>

#include "StateDump.h"
#include "model/LogSink.h"

namespace tarvel {

AutosaveScheduler::AutosaveScheduler(std::string path)
    : AutosaveScheduler(Writer([path = std::move(path)](const ParamImage& image, std::string& error) {
          return SaveStateDump(path, image, &error);
      }))
{
}

AutosaveScheduler::AutosaveScheduler(Writer writer) : writer_(std::move(writer)) {}

AutosaveScheduler::~AutosaveScheduler()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void AutosaveScheduler::commit(const ParamImage& image)
{
    std::lock_guard lock(mutex_);
    latest_ = image;
    ++commits_;
}

void AutosaveScheduler::poll(Clock::time_point now)
{
    std::unique_lock lock(mutex_);
    collect(lock);
    if (busy_ || stop_ || writtenCommit_ >= commits_)
        return;
    if (lastStart_ && now - *lastStart_ < kInterval)
        return;
    job_ = latest_;
    jobCommit_ = commits_;
    busy_ = true;
    queued_ = true;
    lastStart_ = now;
    if (!worker_.joinable())
        worker_ = std::thread(&AutosaveScheduler::run, this);
    lock.unlock();
    wake_.notify_one();
}

void AutosaveScheduler::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stop_ || queued_; });
        if (!queued_)
            return;  // stopping with nothing handed over
        queued_ = false;
        const ParamImage image = job_;
        const std::uint64_t commit = jobCommit_;
        lock.unlock();
        std::string error;
        const bool ok = writer_(image, error);
        lock.lock();
        if (ok) {
            if (commit > writtenCommit_)
                writtenCommit_ = commit;
            ++writes_;
        }
        outcomeOk_ = ok;
        outcomeError_ = std::move(error);
        outcomeReady_ = true;
        busy_ = false;
        done_.notify_all();
        if (stop_)
            return;
    }
}

void AutosaveScheduler::collect(std::unique_lock<std::mutex>& lock)
{
    if (!outcomeReady_)
        return;
    outcomeReady_ = false;
    finished(outcomeOk_, std::move(outcomeError_), lock);
}

void AutosaveScheduler::finished(bool ok, std::string error, std::unique_lock<std::mutex>&)
{
    if (ok) {
        failing_ = false;
        note_.reset();
        return;
    }
    if (failing_)
        return;  // already reported; the next good write ends the run
    failing_ = true;
    if (error.empty())
        error = "state dump not written";
    log::write(log::Area::Store, "autosave: " + error);
    note_ = std::move(error);
}

bool AutosaveScheduler::flush()
{
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return !busy_; });
    collect(lock);
    if (writtenCommit_ >= commits_)
        return true;
    const ParamImage image = latest_;
    const std::uint64_t commit = commits_;
    // Keeps the worker away while the caller writes.
    busy_ = true;
    lock.unlock();
    std::string error;
    const bool ok = writer_(image, error);
    lock.lock();
    busy_ = false;
    if (ok) {
        writtenCommit_ = commit;
        ++writes_;
    }
    finished(ok, std::move(error), lock);
    done_.notify_all();
    return ok;
}

bool AutosaveScheduler::pending() const
{
    std::lock_guard lock(mutex_);
    return writtenCommit_ < commits_;
}

std::optional<std::string> AutosaveScheduler::takeFailure()
{
    std::unique_lock lock(mutex_);
    collect(lock);
    return std::exchange(note_, std::nullopt);
}

bool AutosaveScheduler::failing() const
{
    std::lock_guard lock(mutex_);
    return failing_;
}

int AutosaveScheduler::writes() const
{
    std::lock_guard lock(mutex_);
    return writes_;
}

void AutosaveScheduler::waitIdle()
{
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return !busy_; });
    collect(lock);
}

}  // namespace tarvel
