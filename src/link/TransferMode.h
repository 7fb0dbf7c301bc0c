// The operation the transfer engine is running.
#pragma once

#include <cstdint>

namespace tarvel::link {

enum class TransferMode : std::uint8_t { Idle, Program, Verify, Read, ResetRelease };

}  // namespace tarvel::link
