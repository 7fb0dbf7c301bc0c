// The serial device of a POSIX system (termios): a tty such as /dev/ttyUSB0 or
// a pseudo-terminal.
#pragma once

#include <chrono>
#include <string>

#include <termios.h>

#include "link/SerialDevice.h"

namespace tarvel::link {

class PosixSerialDevice : public SerialDevice {
public:
    // How long a write may wait for the line to take its bytes.
    explicit PosixSerialDevice(std::chrono::milliseconds writeDeadline = std::chrono::milliseconds(250));
    ~PosixSerialDevice() override;
    PosixSerialDevice(const PosixSerialDevice&) = delete;
    PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

    bool open(const std::string& path) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    std::optional<std::size_t> queued() override;
    std::size_t read(std::span<std::uint8_t> into) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    std::string lastError() const override { return error_; }
    DeviceOpenFailure openFailure() const override { return failure_; }

    int fd() const { return fd_; }

private:
    // Records and logs why the open failed (with errno's text) and closes.
    bool fail(const std::string& path, DeviceOpenFailure::Step step);
    // The device reported an error or the far end hung up: close without
    // touching the line settings of a device that is gone.
    void drop(const std::string& what);
    // Logs a failed call on the open device with errno's text.
    void logFailure(const char* call, int err) const;

    int fd_ = -1;
    termios saved_{};
    bool haveSaved_ = false;
    std::chrono::milliseconds writeDeadline_;
    std::string error_;
    DeviceOpenFailure failure_;
    std::string path_;  // of the open device, for the log
};

}  // namespace tarvel::link
