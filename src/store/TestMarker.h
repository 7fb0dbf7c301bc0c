// The test marker: a file whose words include "PROBE_ALLOW" (whole word,
// exact case) switches on the hidden test mode for the run.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace tarvel {

inline constexpr std::string_view kTestMarkerWord = "PROBE_ALLOW";

bool HasTestMarker(std::istream& in);
// False when the file is missing or cannot be read.
bool ReadTestMarker(const std::string& path);

}  // namespace tarvel
