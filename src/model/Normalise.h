// The silent clamp-and-repair pass run before the image is shown, sent or
// saved. It never fails and is idempotent.
#pragma once

#include <cstdint>

#include "ParamImage.h"

namespace tarvel {

// Repairs the image and the three application-state bytes that live beside it
// (language 0..3, selected port 0..20, scanned port 0..19).
void NormaliseImage(ParamImage& image, std::uint8_t& language, std::uint8_t& portIndex, std::uint8_t& scanIndex);

// The image steps only.
void NormaliseImage(ParamImage& image);

}  // namespace tarvel
