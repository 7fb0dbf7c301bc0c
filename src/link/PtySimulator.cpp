#include "link/PtySimulator.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace tarvel::link {

namespace {
using Clock = std::chrono::steady_clock;

struct Pending {
    std::int64_t dueMs;
    std::vector<std::uint8_t> bytes;
};
}  // namespace

PtySimulator::PtySimulator(SimulatedUnitOptions options) : unit_(options) {}

PtySimulator::~PtySimulator()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool PtySimulator::open(std::string* error)
{
    auto fail = [&](const char* what) {
        if (error)
            *error = std::string(what) + ": " + std::strerror(errno);
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        return fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return fail("unlockpt");
    const char* name = ::ptsname(master_);
    if (!name)
        return fail("ptsname");
    slavePath_ = name;
    // Our own handle on the slave keeps the terminal alive between clients and
    // keeps the master from reporting hang-ups while nobody is attached.
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0)
        return fail(name);
    termios t{};
    if (::tcgetattr(slave_, &t) == 0) {
        ::cfmakeraw(&t);  // no echo, no line editing: requests are binary
        ::cfsetispeed(&t, B57600);
        ::cfsetospeed(&t, B57600);
        ::tcsetattr(slave_, TCSANOW, &t);
    }
    const int flags = ::fcntl(master_, F_GETFL);
    ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    return true;
}

void PtySimulator::run(const std::atomic<bool>& stop)
{
    const auto start = Clock::now();
    auto nowMs = [&] { return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count(); };
    std::deque<Pending> pending;
    std::uint8_t buf[4096];

    while (!stop.load()) {
        int timeout = 100;
        if (!pending.empty())
            timeout = static_cast<int>(std::clamp<std::int64_t>(pending.front().dueMs - nowMs(), 0, 100));
        pollfd p{master_, POLLIN, 0};
        const int ready = ::poll(&p, 1, timeout);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0 && (p.revents & POLLIN)) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) {
                auto out = unit_.receive(std::span<const std::uint8_t>(buf, static_cast<std::size_t>(n)), nowMs());
                if (!out.empty())
                    pending.push_back({nowMs() + unit_.options().delayMs, std::move(out)});
            }
        } else if (ready > 0) {
            // A hang-up without data (should not happen while we hold the
            // slave): wait instead of spinning.
            ::poll(nullptr, 0, 50);
        }
        while (!pending.empty() && pending.front().dueMs <= nowMs()) {
            const auto& bytes = pending.front().bytes;
            // Non-blocking: when no client drains the terminal, the answer is lost.
            [[maybe_unused]] const ssize_t w = ::write(master_, bytes.data(), bytes.size());
            pending.pop_front();
        }
    }
}

}  // namespace tarvel::link
