// The detail that goes with "Com opening error!": the device, the system's
// reason and, when the user lacks the permission, what to do about it.
#pragma once

#include <string>

namespace tarvel::link {

// "<devicePath>: <reason>"; for EACCES and EPERM it goes on with the group
// that owns the device and how to join it, e.g.
//   "/dev/ttyUSB0: Permission denied. The device belongs to the group
//    \"dialout\"; the user must be a member of it: sudo usermod -aG dialout
//    $USER, then log in again."
std::string DeviceOpenDetail(const std::string& devicePath, int errnoValue);

}  // namespace tarvel::link
