// The .ign parameter files the commands read and write, with their problems
// told on standard error in the program's words.
#pragma once

#include <string>

#include "model/ParamImage.h"

namespace tarvel::ctl {

// Reads FILE over `image` (fields the file does not name keep their values).
// False after telling why: the open error with the path and the system's
// reason, or the unmatched version.
bool LoadParamFile(const std::string& path, ParamImage& image);
// Writes the image as an .ign file; the previous file stays intact on
// failure, which is told with its reason.
bool SaveParamFile(const std::string& path, const ParamImage& image);

}  // namespace tarvel::ctl
