// The status-bar note shown while a typed number lies outside its field's
// range, so that the technician sees why the value does not take.
#pragma once

#include <string>

#include "model/Messages.h"

namespace tarvel::present {

// "Allowed values: 0 to 60" in the given language, with the two ends as the
// field writes them (e.g. "15,000").
std::string rangeNote(Language language, const std::string& minimum, const std::string& maximum);

}  // namespace tarvel::present
