// Helpers for the tests of files planted to trick the program: a FIFO guard
// that turns a reader stuck on a FIFO into a failed test rather than a hung
// one, and another user to own links and files.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

// Creates a FIFO at `path`. Should a reader block in open() or read() on it,
// after `patience` the guard opens the writing end and closes it again, which
// releases the reader with an end of file, and records that it had to.
class FifoGuard {
public:
    explicit FifoGuard(std::string path, std::chrono::milliseconds patience = std::chrono::seconds(3))
        : path_(std::move(path))
    {
        ::mkfifo(path_.c_str(), 0644);
        watcher_ = std::thread([this, patience] {
            const auto deadline = std::chrono::steady_clock::now() + patience;
            while (!done_.load()) {
                if (std::chrono::steady_clock::now() < deadline) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    continue;
                }
                const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    blocked_ = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }
    ~FifoGuard() { stop(); }
    // Ends the watch; true when a reader got stuck on the FIFO meanwhile.
    bool stop()
    {
        done_ = true;
        if (watcher_.joinable())
            watcher_.join();
        return blocked_;
    }

private:
    std::string path_;
    std::atomic<bool> done_{false};
    std::atomic<bool> blocked_{false};
    std::thread watcher_;
};

// The user that plays somebody else: nobody.
inline constexpr uid_t kOtherUser = 65534;
inline bool canPlayOtherUser()
{
    return ::geteuid() == 0;
}
inline void giveToOtherUser(const std::string& path)
{
    [[maybe_unused]] const int r = ::lchown(path.c_str(), kOtherUser, kOtherUser);
}
