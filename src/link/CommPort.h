// The serial port as the link uses it: which port is chosen (COM1..COM20 or
// automatic selection), which one automatic selection is trying, whether the
// port is lent to the firmware loader (detached), and the device behind it.
// Once per tick poll() takes everything queued in one read and hands back the
// first 102 bytes when at least that many were waiting.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "link/LinkFrame.h"
#include "link/PortTable.h"
#include "link/SerialDevice.h"

namespace tarvel::link {

inline constexpr std::size_t kReceiveBufferSize = 10000;

class CommPort {
public:
    explicit CommPort(SerialDevice& device) : device_(device) {}

    enum class OpenResult : std::uint8_t { NotAttached, Opened, Failed };

    // The port number in use: scanIndex + 1 in automatic selection, else portIndex + 1.
    int portNumber() const { return portIndex == kAutoPortIndex ? scanIndex + 1 : portIndex + 1; }
    // "COM= COM3".
    std::string portLabel() const { return "COM= COM" + std::to_string(portNumber()); }
    std::string devicePath() const { return ports_.devicePath(portNumber()); }

    OpenResult open();
    void close();
    void detach();
    // Sets attached; the caller then opens the port.
    void attach() { attached_ = true; }
    // Advances scanIndex: COM20 is followed by COM1.
    void nextScanPort() { scanIndex = static_cast<std::uint8_t>(scanIndex >= kPortCount - 1 ? 0 : scanIndex + 1); }

    // The first 102 bytes of one read of everything queued, or nothing when
    // fewer than 102 bytes are waiting, the port is detached or closed, or the
    // device failed. The view lives until the next poll.
    std::optional<BlockView> poll();
    // Writes a frame and waits (bounded) until it is on the line. Nothing
    // happens while detached or closed.
    bool send(const LinkFrame& frame);

    bool attached() const { return attached_; }
    bool isOpen() const { return device_.isOpen(); }
    SerialDevice& device() { return device_; }
    PortTable& ports() { return ports_; }
    const PortTable& ports() const { return ports_; }

    std::uint8_t portIndex = 1;  // 0..19 = COM1..COM20, 20 = automatic
    std::uint8_t scanIndex = 0;  // automatic selection tries COM(scanIndex + 1)
    bool silentOpen = false;     // a failed open shows no message box

private:
    SerialDevice& device_;
    PortTable ports_;
    bool attached_ = true;
    std::array<std::uint8_t, kReceiveBufferSize> receive_{};
};

}  // namespace tarvel::link
