// The default parameter set: every field that does not describe the rotor
// keying gets a fixed value, among them a complete advance map.
#pragma once

#include "ParamImage.h"

namespace tarvel {

// Writes the default set. Never touches bikeCode, syncMode, lobeCount,
// channelCount, tachoPulses, the lobe numbers, the reserved bytes or the spare
// bytes; with bikeCode 22 (manual keying) the sixteen edge and pick-up flags
// are kept too. bikeCode 19 gets a servo curve of its own.
void ApplyDefaultSet(ParamImage& image);

// compensation[0..3] = 11.
void SetDefaultCompensation(ParamImage& image);

}  // namespace tarvel
