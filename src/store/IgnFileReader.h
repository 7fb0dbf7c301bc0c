// Reads a .ign file over a parameter image. The reader is a tolerant token
// scanner: it looks for the key word with format version 48, then takes
// keyword blocks in any order (the last occurrence wins); unknown tokens are
// skipped, and a number that is missing leaves its field as it was. It does
// no range checks: the caller normalises the image afterwards.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "model/ParamImage.h"

namespace tarvel {

// True when a key of version 48 was found; then every field the file
// supplies has been stored. False leaves the image unchanged.
bool IgnFileReader(std::istream& in, ParamImage& image);
bool IgnFileReader(std::string_view text, ParamImage& image);

enum class IgnLoadResult {
    Loaded,
    OpenError,        // "Open file error!"
    UnmatchedVersion  // "Unmatched version of *.ign file!"
};

// Opens the file at `path` through SafeFileReader (a folder, a FIFO or a
// device counts as a file that cannot be opened) and reads it over `image`.
// Anything but Loaded leaves the image unchanged. On OpenError `detail`, when
// given, gets the path and the reason ("<path>: Permission denied").
IgnLoadResult LoadIgnFile(const std::string& path, ParamImage& image, std::string* detail = nullptr);

}  // namespace tarvel
