// The image every run starts from before the saved state of the previous run
// is loaded over it: the default set with the keying of one preset.
#pragma once

#include <cstdint>

#include "ParamImage.h"

namespace tarvel {

// "Yamaha R6", the preset of a fresh start.
inline constexpr std::uint8_t kStartupBikeCode = 20;

// bikeCode = `bikeCode`, ApplyKeyingPreset as on start-up (not chosen in the
// list, so the default set is applied even for "Special setting"), then
// NormaliseImage. The spare bytes are zero.
ParamImage StartupImage(std::uint8_t bikeCode = kStartupBikeCode);

}  // namespace tarvel
