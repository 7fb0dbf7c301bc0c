// One serial device as the link needs it: exclusive open of a named device at
// 57600 8N1, a count of received bytes that never blocks, a read of bytes
// already queued, and a write that returns once the bytes are on the line or
// a bounded wait has passed. A device that fails (unplugged adapter, far end
// hung up) closes itself, so the caller sees it closed instead of spinning on
// errors; the connection watchdog opens it again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "link/DeviceOpenFailure.h"

namespace tarvel::link {

class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Opens and configures the device; false (with a reason in lastError())
    // when it does not exist, is in use or cannot be configured.
    virtual bool open(const std::string& path) = 0;
    // Discards unread input, puts the line settings back and closes.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Bytes waiting to be read; nothing when the query failed.
    virtual std::optional<std::size_t> queued() = 0;
    // Reads up to into.size() bytes that are already queued; returns the count.
    virtual std::size_t read(std::span<std::uint8_t> into) = 0;
    // Writes all bytes and waits, bounded, until they have left; false when
    // that did not happen in time or the device failed.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;

    // The reason of the last failure, for the log.
    virtual std::string lastError() const { return {}; }
    // Why the last open failed, as data for the message the user sees.
    virtual DeviceOpenFailure openFailure() const { return {}; }
};

}  // namespace tarvel::link
