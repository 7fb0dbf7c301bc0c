#include "link/PosixSerialDevice.h"

#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "model/LogSink.h"

namespace tarvel::link {

namespace {
using Clock = std::chrono::steady_clock;

constexpr short kBroken = POLLHUP | POLLERR | POLLNVAL;

// The failed step, as the log names it.
const char* stepWord(DeviceOpenFailure::Step step)
{
    switch (step) {
        case DeviceOpenFailure::Step::Open:
            return "";
        case DeviceOpenFailure::Step::NotSerial:
            return ": not a serial device";
        case DeviceOpenFailure::Step::InUse:
            return ": in use";
        case DeviceOpenFailure::Step::ExclusiveOpen:
            return ": exclusive open";
        case DeviceOpenFailure::Step::LineSettings:
            return ": line settings";
    }
    return "";
}

// Errors after which the device is gone rather than busy.
bool deviceGone(int err)
{
    return err == EIO || err == ENXIO || err == ENODEV || err == EBADF;
}

int millisLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}
}  // namespace

PosixSerialDevice::PosixSerialDevice(std::chrono::milliseconds writeDeadline) : writeDeadline_(writeDeadline) {}

PosixSerialDevice::~PosixSerialDevice()
{
    close();
}

bool PosixSerialDevice::fail(const std::string& path, DeviceOpenFailure::Step step)
{
    const int err = errno;
    failure_ = DeviceOpenFailure::of(path, step, err);
    error_ = path + stepWord(step) + ": " + log::errnoText(err);
    log::write(log::Area::Link, "cannot open serial device " + error_);
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    return false;
}

void PosixSerialDevice::drop(const std::string& what)
{
    error_ = what;
    log::write(log::Area::Link, path_ + ": " + what + ", closed");
    ::close(fd_);
    fd_ = -1;
    haveSaved_ = false;
}

bool PosixSerialDevice::open(const std::string& path)
{
    close();
    error_.clear();
    failure_ = {};
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return fail(path, DeviceOpenFailure::Step::Open);
    if (!::isatty(fd_)) {
        errno = ENOTTY;
        return fail(path, DeviceOpenFailure::Step::NotSerial);
    }
    // TIOCEXCL keeps other programs out, except root; the advisory lock also
    // keeps out a second copy of this program running as root.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return fail(path, DeviceOpenFailure::Step::InUse);
    if (::ioctl(fd_, TIOCEXCL) != 0)
        return fail(path, DeviceOpenFailure::Step::ExclusiveOpen);
    if (::tcgetattr(fd_, &saved_) != 0)
        return fail(path, DeviceOpenFailure::Step::LineSettings);
    haveSaved_ = true;

    // 57600 baud, 8 data bits, no parity, 1 stop bit, and raw: the frames are
    // binary, so no line editing, no character mapping and no flow control.
    termios t = saved_;
    ::cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, B57600);
    ::cfsetospeed(&t, B57600);
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) {
        haveSaved_ = false;
        return fail(path, DeviceOpenFailure::Step::LineSettings);
    }
    // Start with an empty input queue, as a freshly opened port does; bytes
    // left from an earlier user would misalign the first frame.
    ::tcflush(fd_, TCIFLUSH);
    path_ = path;
    return true;
}

void PosixSerialDevice::logFailure(const char* call, int err) const
{
    log::write(log::Area::Link, path_ + ": " + call + " failed: " + log::errnoText(err));
}

void PosixSerialDevice::close()
{
    if (fd_ < 0)
        return;
    ::tcflush(fd_, TCIFLUSH);
    if (haveSaved_)
        ::tcsetattr(fd_, TCSANOW, &saved_);
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);  // also releases the advisory lock
    fd_ = -1;
    haveSaved_ = false;
}

std::optional<std::size_t> PosixSerialDevice::queued()
{
    if (fd_ < 0)
        return std::nullopt;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0) {
        logFailure("poll", errno);
        return std::nullopt;
    }
    if (p.revents & kBroken) {
        drop("device hung up");
        return std::nullopt;
    }
    int n = 0;
    if (::ioctl(fd_, FIONREAD, &n) != 0) {
        const int err = errno;
        logFailure("ioctl FIONREAD", err);
        if (deviceGone(err))
            drop("device error");
        return std::nullopt;
    }
    return static_cast<std::size_t>(n < 0 ? 0 : n);
}

std::size_t PosixSerialDevice::read(std::span<std::uint8_t> into)
{
    if (fd_ < 0 || into.empty())
        return 0;
    const ssize_t n = ::read(fd_, into.data(), into.size());
    if (n > 0)
        return static_cast<std::size_t>(n);
    if (n < 0 && errno != EAGAIN && errno != EINTR) {
        const int err = errno;
        logFailure("read", err);
        if (deviceGone(err))
            drop("device error");
    }
    return 0;
}

bool PosixSerialDevice::write(std::span<const std::uint8_t> bytes)
{
    if (fd_ < 0)
        return false;
    const auto deadline = Clock::now() + writeDeadline_;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            const int err = errno;
            logFailure("write", err);
            if (deviceGone(err))
                drop("device error");
            return false;
        }
        pollfd p{fd_, POLLOUT, 0};
        const int left = millisLeft(deadline);
        if (left == 0) {
            log::write(log::Area::Link, path_ + ": write timed out, the line takes no more bytes");
            return false;
        }
        if (::poll(&p, 1, left) > 0 && (p.revents & kBroken)) {
            drop("device hung up");
            return false;
        }
    }
    // Wait until the driver has put the bytes on the line, but never longer
    // than the deadline: an adapter that stopped draining must not hang us.
    for (;;) {
        int pending = 0;
        if (::ioctl(fd_, TIOCOUTQ, &pending) != 0 || pending <= 0)
            return true;
        if (Clock::now() >= deadline) {
            log::write(log::Area::Link, path_ + ": write timed out, " + std::to_string(pending) + " bytes not sent");
            return false;
        }
        // About 174 us per byte at 57600 baud.
        std::this_thread::sleep_for(std::chrono::microseconds(200 + 174 * pending));
    }
}

}  // namespace tarvel::link
