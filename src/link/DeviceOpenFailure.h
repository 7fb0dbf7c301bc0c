// Why a serial device did not open, as data: the device, the step that
// failed, the system's error number and, when the user lacks the permission,
// the group that owns the device. The words are made by the presentation
// (present/MessagePresenter); the link only finds the facts.
#pragma once

#include <cstdint>
#include <string>

namespace tarvel::link {

struct DeviceOpenFailure {
    // The step after which the device was given up.
    enum class Step : std::uint8_t {
        Open,           // the system refused to open it
        NotSerial,      // it opened but is no serial device
        InUse,          // another copy of the program holds it
        ExclusiveOpen,  // it cannot be kept for this program alone
        LineSettings    // its line settings cannot be read or set
    };

    std::string devicePath;
    Step step = Step::Open;
    int errnoValue = 0;
    // For EACCES and EPERM: the name (or number) of the group that owns the
    // device; empty otherwise or when the device cannot be looked at.
    std::string owningGroup;

    // Fills owningGroup from the device when the error is a missing permission.
    static DeviceOpenFailure of(const std::string& devicePath, Step step, int errnoValue);

    bool operator==(const DeviceOpenFailure&) const = default;
};

}  // namespace tarvel::link
