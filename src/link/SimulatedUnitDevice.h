// A serial device with the simulated unit at the far end, in the same
// process: whatever is written reaches the unit at once and its answers are
// queued for reading. The unit's clock is nowMs, which the caller advances
// (55 ms per tick in tests), so runs are repeatable. Answer delays are not
// modelled here; the pseudo-terminal runner has them.
#pragma once

#include <cerrno>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "link/SerialDevice.h"
#include "link/SimulatedUnit.h"

namespace tarvel::link {

class SimulatedUnitDevice : public SerialDevice {
public:
    explicit SimulatedUnitDevice(SimulatedUnitOptions options = {}) : unit_(options) {}

    bool open(const std::string& path) override;
    void close() override;
    bool isOpen() const override { return open_; }
    std::optional<std::size_t> queued() override;
    std::size_t read(std::span<std::uint8_t> into) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    std::string lastError() const override { return error_; }
    DeviceOpenFailure openFailure() const override { return failure_; }

    SimulatedUnit& unit() { return unit_; }
    // Command bytes of the frames written, in order.
    const std::vector<std::uint8_t>& commandsSent() const { return commands_; }
    void clearCommandsSent() { commands_.clear(); }

    std::int64_t nowMs = 0;
    // When not empty, only this path opens.
    std::string onlyPath;
    // Why another path does not open: by default, there is no such device.
    DeviceOpenFailure::Step refusedStep = DeviceOpenFailure::Step::Open;
    int refusedErrno = ENOENT;
    // The unit is unplugged: nothing reaches it and nothing comes back.
    bool unplugged = false;
    int opens = 0;

private:
    SimulatedUnit unit_;
    std::deque<std::uint8_t> rx_;
    std::vector<std::uint8_t> commands_;
    bool open_ = false;
    std::string error_;
    DeviceOpenFailure failure_;
};

}  // namespace tarvel::link
