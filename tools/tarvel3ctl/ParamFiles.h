// The .ign parameter files the unit commands read and write.
#pragma once

#include <string>

#include "model/ParamImage.h"

namespace tarvel::ctl {

enum class ParamFileResult { Ok, OpenError, VersionMismatch, WriteError };

// Reads FILE over `image` (fields the file does not name keep their values).
// On OpenError `detail` gets the path and the system's reason.
ParamFileResult LoadParamFile(const std::string& path, ParamImage& image, std::string* detail = nullptr);
// Writes the image as an .ign file; the previous file stays intact on failure.
ParamFileResult SaveParamFile(const std::string& path, const ParamImage& image, std::string* error = nullptr);

}  // namespace tarvel::ctl
