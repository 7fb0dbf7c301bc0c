// The state dump: the 207 bytes of the image and its spare bytes as decimal
// numbers, ten to a line, an empty line after the configuration page and
// after the map page, CR LF, no line break after the last number.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "model/ParamImage.h"

namespace tarvel {

std::string StateDumpText(const ParamImage& image);

// Reads up to 207 numbers over the block, number k into byte k (low 8 bits;
// a minus sign wraps), and stops at the end or at the first token that is not
// a number; later bytes keep their values. Returns how many were taken.
int ReadStateDump(std::istream& in, ParamImage& image);
int ReadStateDump(std::string_view text, ParamImage& image);

// False when the file cannot be opened or is refused by SafeFileReader (the
// image is then unchanged).
bool LoadStateDump(const std::string& path, ParamImage& image);
// Through SafeFileWriter: false leaves the previous dump as it was.
bool SaveStateDump(const std::string& path, const ParamImage& image, std::string* error = nullptr);

}  // namespace tarvel
