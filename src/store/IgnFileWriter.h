// Writes a parameter image as a .ign file: the key line, then the keyword
// blocks in their fixed order, CR LF line breaks, no line break at the end.
#pragma once

#include <ostream>
#include <string>

#include "model/ParamImage.h"

namespace tarvel {

// The complete file text.
std::string IgnFileText(const ParamImage& image);

// The same text written to `out`; the caller checks the stream.
void IgnFileWriter(const ParamImage& image, std::ostream& out);

}  // namespace tarvel
