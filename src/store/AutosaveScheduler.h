// Writes the state dump after each committed change so that a crash, a kill
// or a power loss loses no committed change: at most once a second, the last
// change always written, each write atomic (SafeFileWriter). The write runs
// on a worker thread; the window's tick only hands over a copy of the image.
// The clock is the caller's, so the schedule can be tested without waiting.
//
//   AutosaveScheduler autosave(paths.stateDumpFile());
//   after each commit:   autosave.commit(imageAsDumped);
//   on each tick:        autosave.poll(steady_clock::now());
//                        if (auto note = autosave.takeFailure()) statusBar(note)
//   at a clean exit:     autosave.flush(); then the exit's own dump as before
//
// All calls come from one thread (the window's); only the writer runs on the
// worker. Failures are logged from poll() and flush(), on the caller's thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "model/ParamImage.h"

namespace tarvel {

class AutosaveScheduler {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kInterval = std::chrono::seconds(1);
    // Writes one image; false with the reason in `error`.
    using Writer = std::function<bool(const ParamImage& image, std::string& error)>;

    // Writes the state dump at `path`.
    explicit AutosaveScheduler(std::string path);
    explicit AutosaveScheduler(Writer writer);
    // Lets a write in progress finish; what is still pending is not written
    // (flush() writes it).
    ~AutosaveScheduler();
    AutosaveScheduler(const AutosaveScheduler&) = delete;
    AutosaveScheduler& operator=(const AutosaveScheduler&) = delete;

    // A change was committed: `image` is the block as the dump holds it.
    void commit(const ParamImage& image);
    // Starts a write when a commit is pending, no write is running and the
    // last write started at least kInterval before `now`. Never waits.
    void poll(Clock::time_point now);
    // Waits for a write in progress, then writes what is pending on the
    // caller's thread. True when the dump holds the last commit.
    bool flush();

    // A commit not yet written (or whose write failed).
    bool pending() const;
    // The reason of a failed write, once per run of failures: the window
    // shows one status-bar note, not one a second. Cleared by a good write.
    std::optional<std::string> takeFailure();
    bool failing() const;
    // Writes that succeeded (for tests and figures).
    int writes() const;
    // Waits until no write is running (tests, benchmarks).
    void waitIdle();

private:
    void run();
    // Under the lock: takes in the outcome of a finished write.
    void collect(std::unique_lock<std::mutex>& lock);
    void finished(bool ok, std::string error, std::unique_lock<std::mutex>& lock);

    Writer writer_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::thread worker_;

    ParamImage latest_{};
    ParamImage job_{};
    std::uint64_t commits_ = 0;        // commits so far
    std::uint64_t jobCommit_ = 0;      // the commit the running job writes
    std::uint64_t writtenCommit_ = 0;  // the newest commit in the dump
    bool busy_ = false;                // a write is handed over or running
    bool queued_ = false;              // handed over, not yet taken by the worker
    bool stop_ = false;
    std::optional<Clock::time_point> lastStart_;

    // Outcome of the worker's last write, for the caller's thread.
    bool outcomeReady_ = false;
    bool outcomeOk_ = true;
    std::string outcomeError_;

    bool failing_ = false;
    std::optional<std::string> note_;
    int writes_ = 0;
};

}  // namespace tarvel
