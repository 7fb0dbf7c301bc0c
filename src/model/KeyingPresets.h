// The 32 keying presets: how the rotor of each supported motorcycle (or
// generic layout) is keyed, and which lobe edges time each ignition channel.
#pragma once

#include "ParamImage.h"

namespace tarvel {

// Applies the default set (unless the user has just chosen "Special setting"
// in the list, i.e. bikeCode is 22 and chosenInList is set), then writes the
// preset of bikeCode. Code 22 and codes above 31 write no preset. Clears
// chosenInList before it returns.
void ApplyKeyingPreset(ParamImage& image, bool& chosenInList);

}  // namespace tarvel
